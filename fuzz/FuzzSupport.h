#pragma once

#include "files/CodePage.h"
#include "files/SettingsFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every fuzz target shares. A broken promise aborts, which libFuzzer
// reports as a crash and the corpus replay as a failed test.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::rx20::fuzz::fail(#condition, __FILE__, __LINE__);                                    \
    } while (false)

namespace rx20::fuzz {

[[noreturn]] inline void fail(const char *what, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, what);
    std::fflush(stderr);
    std::abort();
}

inline QByteArray bytes(const std::uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A file on disk with the input's bytes, so the readers run exactly as the
// windows call them. One file per process, rewritten for every input.
inline QString scratchFile(const QByteArray &content, const QString &name)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(content) != content.size())
        fail("scratch file written", __FILE__, __LINE__);
    return path;
}

// The lines a read of these bytes gives back after they were written: what a
// Generate followed by a Read sees.
inline QStringList throughFile(const QStringList &lines)
{
    QByteArray encoded;
    FUZZ_CHECK(SettingsFile::encode(lines, &encoded));
    return SettingsFile::splitLines(CodePage::decode(encoded, CodePage::systemName()));
}

inline bool holdsLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

} // namespace rx20::fuzz

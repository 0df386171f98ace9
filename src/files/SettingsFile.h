#pragma once

#include "files/CodePage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <utility>

namespace rx20 {

// Outcome of a file operation: ok, or a message a window can show as it is.
struct FileStatus
{
    bool ok = true;
    QString message;

    static FileStatus success() { return {}; }
    static FileStatus failure(const QString &message) { return {false, message}; }
    explicit operator bool() const { return ok; }
};

struct ReadLines
{
    FileStatus status;
    QStringList lines;
};

// The camera's settings files: lines of text in the system's 8-bit code page,
// every line (the last included) ended by CR LF.
class SettingsFile
{
public:
    // Bytes of the file, or a failure when a line holds CR or LF: such a
    // value would break the file's fixed line layout, when it holds a
    // character the code page cannot store, or when this system cannot
    // convert the code page.
    // codePage: the camera's code page, the system's unless told otherwise
    // (rx20-config --code-page).
    static FileStatus encode(const QStringList &lines, QByteArray *bytes,
                             const QByteArray &codePage = CodePage::systemName());

    // Replaces the file atomically: when anything fails, a file that was
    // there before stays as it was.
    static FileStatus writeBytes(const QString &path, const QByteArray &bytes);
    static FileStatus write(const QString &path, const QStringList &lines,
                            const QByteArray &codePage = CodePage::systemName());

    // Lines of the file, split at CR LF, CR or LF.
    static ReadLines read(const QString &path);
    static QStringList splitLines(const QString &text);

    // The value of a line whose key is keyLength characters long ("=" included):
    // everything after the first keyLength characters, whatever they are.
    static QString valueAfterKey(const QString &line, int keyLength);

    // The message of a Generate refused because the code page cannot be converted.
    static QString codePageMissing(const QByteArray &codePage);

    // The message of a Generate refused because a field ("The Password box")
    // holds a character the system's code page cannot store, naming the first
    // such field of fields (name, text) and its character; empty where the
    // code page holds them all, or cannot be converted at all (which has a
    // message of its own).
    static QString unstorable(const QList<std::pair<QString, QString>> &fields,
                              const QByteArray &codePage = CodePage::systemName());

    // A failed read that the window reports when a file ends too early.
    static FileStatus tooShort(const QString &path, int needed, int found);
};

} // namespace rx20

#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

namespace rx20 {

// The 8-bit code page the settings files are written in. The camera reads
// single-byte text, so every file goes through the code page Windows would use
// for the user's locale: windows-1252 unless the language needs another one.
class CodePage
{
public:
    // Name of the code page for this system (on Windows, its ANSI code page).
    static QByteArray systemName();

    // Whether this system can convert text to and from the code page.
    static bool isAvailable(const QByteArray &codePage);

    // Replaces the system's code page until called with an empty name (tests:
    // a code page this system cannot convert; rx20-config --code-page) and
    // gives the name it replaced, empty for the system's own.
    static QByteArray setSystemName(const QByteArray &name);

    // Name of the code page Windows uses for a locale's language.
    static QByteArray nameForLocale(const QLocale &locale);

    // The first character of text the code page cannot hold, or an empty
    // string when it holds them all.
    static QString firstUnstorable(QStringView text, const QByteArray &codePage);

    // Characters the code page cannot represent become "?".
    static QByteArray encode(const QString &text, const QByteArray &codePage);
    static QString decode(const QByteArray &bytes, const QByteArray &codePage);
};

} // namespace rx20

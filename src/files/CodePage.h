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

    // Replaces the system's code page until called with an empty name and
    // gives the name it replaced, empty for the system's own: tests' stand-in
    // for a system with another code page, or one this system cannot convert.
    // (rx20-config hands its --code-page to what writes and reads instead.)
    static QByteArray setSystemName(const QByteArray &name);

    // Name of the code page Windows uses for a locale's language.
    static QByteArray nameForLocale(const QLocale &locale);

    // Name of the code page a Windows system takes, from its ANSI code page
    // and the user locale's default one (0 for none): the system's where the
    // camera can read it, else the locale's, else windows-1252. A UTF-8
    // system (65001) thus writes what a system set to the locale would.
    static QByteArray ansiName(uint systemPage, uint localePage);

    // Windows' number of a code page name this program gives out, 0 for a
    // name it does not give out (one the camera cannot read among them).
    static uint windowsNumber(const QByteArray &name);

    // The first character of text the code page cannot hold, or an empty
    // string when it holds them all.
    static QString firstUnstorable(QStringView text, const QByteArray &codePage);

    // Characters the code page cannot represent become "?".
    static QByteArray encode(const QString &text, const QByteArray &codePage);
    static QString decode(const QByteArray &bytes, const QByteArray &codePage);
};

} // namespace rx20

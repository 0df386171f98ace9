#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

namespace rx20 {

// Converts text to and from one named code page with the platform's own
// tables: Qt's converters elsewhere, Windows' own on Windows (a Windows Qt
// knows no named code page but the system's). Each platform's code is in a
// file of its own, chosen by the build.
class CodePageConverter
{
public:
    explicit CodePageConverter(const QByteArray &codePage);
    ~CodePageConverter();
    CodePageConverter(const CodePageConverter &) = delete;
    CodePageConverter &operator=(const CodePageConverter &) = delete;

    bool isValid() const;

    // The bytes of text, or nothing when a character of it cannot be stored:
    // never a substitute or a look-alike.
    std::optional<QByteArray> encode(QStringView text);
    QString decode(const QByteArray &bytes) const;

    // Name of the code page the camera's files take on this system.
    static QByteArray systemName();

private:
    struct State;
    std::unique_ptr<State> d;
};

} // namespace rx20

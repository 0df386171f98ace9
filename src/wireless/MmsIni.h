#pragma once

#include "files/SettingsFile.h"

#include <QString>
#include <QStringList>

#include <array>

namespace rx20::catalogue {
struct Preset;
}

namespace rx20 {

// What MMS.INI holds: the MMS server, the APN, five phone numbers, five e-mail
// addresses and an e-mail (SMTP) server account. The file writes the APN and
// every e-mail address twice; here each is one value.
struct MmsIniValues
{
    QString url;                   // Text4
    QString apn;                   // Text1 ("APN=" and "eAPN=")
    QString ip;                    // Text5
    QString port;                  // Text6
    std::array<QString, 5> phones; // Text7 ... Text11
    std::array<QString, 5> emails; // Text12 ... Text16 ("Email" and "Reciver")
    QString server;                // Text20
    QString ePort;                 // Text21
    QString sender;                // Text19
    QString password;              // Text18

    bool operator==(const MmsIniValues &other) const;
    bool operator!=(const MmsIniValues &other) const { return !(*this == other); }
};

struct MmsIniRead
{
    FileStatus status;
    MmsIniValues values; // all empty unless status is ok
};

// The 25-line MMS.INI of the wireless settings window: "[MMS]", then one
// "key=value" line each, keys spelled as the camera expects them ("Reciver"
// included), every line ended by CR LF in the system's 8-bit code page.
class MmsIni
{
public:
    static constexpr int lineCount = 25;
    static const QString &fileName(); // "MMS.INI"

    // The 25 lines, values exactly as given: no trimming, quoting or escaping.
    static QStringList lines(const MmsIniValues &values);

    // The values of a file's lines, by position: line 1 is skipped, the key of
    // every other line is not compared but cut off by its length, a line
    // shorter than its key gives an empty value, the later of two lines for
    // the same value wins ("eAPN=" over "APN=", "Reciver" over "Email"), and
    // lines after the 25th are ignored. Fewer than 25 lines is a failure that
    // names the file (path) and gives no values.
    static MmsIniRead parse(const QStringList &lines, const QString &path);

    // Writes the file atomically; a line break inside a value or any failure
    // to write is reported and leaves a file already there as it was.
    static FileStatus write(const QString &path, const MmsIniValues &values,
                            const QByteArray &codePage = CodePage::systemName());

    // Reads the whole file first; nothing is returned unless all 25 lines are there.
    static MmsIniRead read(const QString &path);

    // An operator's preset: the APN, and the MMS server's URL, IP and port
    // where the preset carries them.
    static void applyPreset(const catalogue::Preset &preset, MmsIniValues *values);
};

} // namespace rx20

#pragma once

#include "files/SettingsFile.h"

#include <QString>
#include <QStringList>

#include <array>

namespace rx20::catalogue {
struct Preset;
}

namespace rx20 {

// What the MMS settings window's NET.CFG holds: the MMS network values and
// five phone numbers and five e-mail addresses to send pictures to.
struct MmsNetCfgValues
{
    QString url;                   // Text1
    QString apn;                   // Text2
    QString ip;                    // Text3
    QString port;                  // Text4
    std::array<QString, 5> phones; // Text5 ... Text9
    std::array<QString, 5> emails; // Text10 ... Text14

    bool operator==(const MmsNetCfgValues &other) const;
    bool operator!=(const MmsNetCfgValues &other) const { return !(*this == other); }
};

struct MmsNetCfgRead
{
    FileStatus status;
    MmsNetCfgValues values; // all empty unless status is ok
};

// The "[MMS]" NET.CFG: 15 lines, "[MMS]" and then one "key=value" line each
// (URL, APN, IP, Port, Phone1-5, Email1-5), every line ended by CR LF in the
// system's 8-bit code page. It shares its name with the "[SMTP]" NET.CFG, so
// a reader looks at the first line before taking anything.
class MmsNetCfg
{
public:
    static constexpr int lineCount = 15;

    static QStringList lines(const MmsNetCfgValues &values);

    // Whether a first line marks an MMS file: its characters 2 to 4 are
    // exactly "MMS" (so "XMMS" passes and "[mms]" does not).
    static bool isMmsHeader(const QString &firstLine);

    // The values of lines 2 to 15, by position: each key is cut off by its
    // length without being compared, a line shorter than its key gives an
    // empty value, lines after the 15th are ignored. Line 1 is not looked at.
    // Fewer than 15 lines is a failure that names the file (path) and gives
    // no values.
    static MmsNetCfgRead parse(const QStringList &lines, const QString &path);

    // Replaces the file atomically; any failure leaves a file already there
    // as it was.
    static FileStatus write(const QString &path, const MmsNetCfgValues &values,
                            const QByteArray &codePage = CodePage::systemName());

    // An operator's preset: the same four values as MMS.INI takes.
    static void applyPreset(const catalogue::Preset &preset, MmsNetCfgValues *values);
};

} // namespace rx20

#pragma once

#include "files/SettingsFile.h"

#include <QString>
#include <QStringList>

#include <array>

namespace rx20 {

// What the SMTP settings window keeps in its NET.CFG: the APN, the SMTP
// server account, whether SSL is used and five recipient addresses.
struct SmtpNetCfgValues
{
    QString apn;                   // Text2
    QString server;                // Combo1
    QString port;                  // Text6
    QString sender;                // Text7
    QString password;              // Text8
    std::array<QString, 5> emails; // Text9 ... Text13
    bool ssl = false;              // Combo8; written only, a read never sets it

    bool operator==(const SmtpNetCfgValues &other) const;
    bool operator!=(const SmtpNetCfgValues &other) const { return !(*this == other); }
};

struct SmtpNetCfgRead
{
    FileStatus status;
    SmtpNetCfgValues values; // all empty unless status is ok
};

// The plain "[SMTP]" NET.CFG: 13 lines, the last one empty, so the file ends
// in CR LF CR LF.
class SmtpNetCfg
{
public:
    static constexpr int lineCount = 13;
    // A read needs every line up to the SSL line; the empty last one may be missing.
    static constexpr int linesNeeded = 12;
    static const QString &fileName(); // "NET.CFG"

    // The SMTP settings window's server list; the first is shown when it opens.
    static const QStringList &presetServers();

    // Only the exact text "No SSL" turns SSL off; any other choice turns it on.
    static bool sslFor(const QString &smtpType);

    // The 13 lines, values exactly as given: no trimming, quoting or escaping.
    static QStringList lines(const SmtpNetCfgValues &values);

    // Whether a first line marks an SMTP file: its characters 2 to 5 are
    // exactly "SMTP" (case-sensitive); the rest of the line is not looked at.
    static bool isSmtpHeader(const QString &firstLine);

    // Values of lines 2 to 11 by position: each key is cut off by its length,
    // not compared, and a line shorter than its key gives an empty value.
    // Line 12 (SSL) must be there but is not used. Fewer than 12 lines is a
    // failure that names the file (path) and gives no values. Line 1 is not
    // checked here (see isSmtpHeader).
    static SmtpNetCfgRead parse(const QStringList &lines, const QString &path);
};

} // namespace rx20

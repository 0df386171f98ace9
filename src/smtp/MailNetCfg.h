#pragma once

#include "files/SettingsFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

namespace rx20::catalogue {
struct Preset;
}

namespace rx20 {

// The values of the mail-and-phone NET.CFG, one per line after "[SMTP]".
struct MailNetCfgValues
{
    QString apn;
    QString server;
    QString port;
    QString sender;
    QString password;
    std::array<QString, 5> emails;
    QString ssl; // "1", "0" or empty
    QString phone1;
    QString apnAccount;
    QString apnPassword;
};

// The NET.CFG the mail-and-phone settings window writes: 15 lines in a fixed
// order, and on the card only in scrambled form (see Scrambler).
class MailNetCfg
{
public:
    static constexpr int lineCount = 15;

    static QString fileName();

    // The digit after "SSL=" for the window's SSL choice: "1" for exactly
    // "YES", "0" for exactly "NO"; any other text keeps the previous digit.
    static QString sslValue(const QString &choice, const QString &previous);

    // Whether bytes are this window's scrambled output: no line break left,
    // but the scrambled form of one.
    static bool isScrambled(const QByteArray &bytes);

    // The plain lines, "[SMTP]" first; the file has no empty line at its end.
    static QStringList lines(const MailNetCfgValues &values);

    // Values of lines 2 to 15, each taken from a fixed position after its key;
    // the keys themselves are not compared and line 1 is not looked at.
    // A file of fewer than 15 lines is refused; path only names it in the message.
    static FileStatus parse(const QStringList &lines, const QString &path,
                            MailNetCfgValues *values);

    // The bytes that go onto the card: the plain lines, encoded, then scrambled.
    static FileStatus scrambledBytes(const MailNetCfgValues &values, QByteArray *bytes,
                                     const QByteArray &codePage = CodePage::systemName());

    // Writes the scrambled file in one atomic step, so no plain copy (with
    // its passwords) ever reaches the medium and a failure leaves the
    // previous file whole.
    static FileStatus write(const QString &path, const MailNetCfgValues &values,
                            const QByteArray &codePage = CodePage::systemName());

    // Reads a plain file. A scrambled one (this window's own output) has no
    // line breaks left and is refused with a message saying so.
    static FileStatus read(const QString &path, MailNetCfgValues *values);

    // An operator's preset: APN, account and password, SMTP server and port;
    // sslChoice is the text of the SSL box ("YES", "NO"), which becomes the
    // file's digit only when the file is generated.
    static void applyPreset(const catalogue::Preset &preset, MailNetCfgValues *values,
                            QString *sslChoice);
};

} // namespace rx20

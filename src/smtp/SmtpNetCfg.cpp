#include "smtp/SmtpNetCfg.h"

namespace rx20 {

namespace {

const QString header = QStringLiteral("[SMTP]");
const QString apnKey = QStringLiteral("APN=");
const QString serverKey = QStringLiteral("Server=");
const QString portKey = QStringLiteral("Port=");
const QString senderKey = QStringLiteral("Sender=");
const QString passwordKey = QStringLiteral("Password=");
const QString sslKey = QStringLiteral("SSL=");

QString emailKey(int index)
{
    return QStringLiteral("Email%1=").arg(index + 1);
}

} // namespace

bool SmtpNetCfgValues::operator==(const SmtpNetCfgValues &other) const
{
    return apn == other.apn && server == other.server && port == other.port
           && sender == other.sender && password == other.password && emails == other.emails
           && ssl == other.ssl;
}

const QString &SmtpNetCfg::fileName()
{
    static const QString name = QStringLiteral("NET.CFG");
    return name;
}

const QStringList &SmtpNetCfg::presetServers()
{
    // Outgoing servers of large public mail services, as their providers
    // publish them for mail programs.
    static const QStringList servers{
        QStringLiteral("smtp.gmail.com"),
        QStringLiteral("smtp-mail.outlook.com"),
        QStringLiteral("smtp.mail.yahoo.com"),
        QStringLiteral("smtp.aol.com"),
    };
    return servers;
}

bool SmtpNetCfg::sslFor(const QString &smtpType)
{
    return smtpType != QLatin1String("No SSL");
}

QStringList SmtpNetCfg::lines(const SmtpNetCfgValues &values)
{
    QStringList out{header,
                    apnKey + values.apn,
                    serverKey + values.server,
                    portKey + values.port,
                    senderKey + values.sender,
                    passwordKey + values.password};
    for (int i = 0; i < int(values.emails.size()); ++i)
        out.append(emailKey(i) + values.emails[i]);
    out.append(sslKey + (values.ssl ? QLatin1Char('1') : QLatin1Char('0')));
    // The camera expects a blank line after the last key.
    out.append(QString());
    return out;
}

bool SmtpNetCfg::isSmtpHeader(const QString &firstLine)
{
    return firstLine.mid(1, 4) == QLatin1String("SMTP");
}

SmtpNetCfgRead SmtpNetCfg::parse(const QStringList &lines, const QString &path)
{
    if (lines.size() < linesNeeded)
        return {SettingsFile::tooShort(path, linesNeeded, int(lines.size())), {}};

    const auto value = [&lines](int lineNumber, const QString &key) {
        return SettingsFile::valueAfterKey(lines.at(lineNumber - 1), int(key.size()));
    };
    SmtpNetCfgValues values;
    values.apn = value(2, apnKey);
    values.server = value(3, serverKey);
    values.port = value(4, portKey);
    values.sender = value(5, senderKey);
    values.password = value(6, passwordKey);
    for (int i = 0; i < int(values.emails.size()); ++i)
        values.emails[i] = value(7 + i, emailKey(i));
    // Line 12 holds the SSL digit; the window keeps its own choice instead.
    return {FileStatus::success(), values};
}

} // namespace rx20

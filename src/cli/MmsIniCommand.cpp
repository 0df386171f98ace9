#include "cli/MmsIniCommand.h"

#include "wireless/MmsIni.h"

namespace rx20::cli {

QString MmsIniCommand::summary() const
{
    return QStringLiteral(
        "Writes MMS.INI, byte for byte as the GPRS SETTINGS window's Generate does for the same "
        "values: --country/--operator fill the APN and MMS server from that window's catalogue, "
        "the other options set or replace single values.");
}

void MmsIniCommand::addOptions(QCommandLineParser &parser)
{
    addValueOptions(parser,
                    {"country", "operator", "apn", "url", "ip", "port", "phone", "email", "server",
                     "server-port", "sender", "password"},
                    MmsIni::fileName());
}

int MmsIniCommand::execute(const QCommandLineParser &parser, Console &console)
{
    MmsIniValues values;
    QString error;
    const QString country = parser.value(QStringLiteral("country"));
    const QString operatorName = parser.value(QStringLiteral("operator"));
    if (!operatorName.isEmpty() && country.isEmpty())
        return usage(console, QStringLiteral("--operator needs --country"));
    if (!country.isEmpty()
        && !choose(
            catalogue::Copy::Wireless, country, operatorName, QString(),
            [&values](const catalogue::Preset &preset) { MmsIni::applyPreset(preset, &values); },
            &error))
        return usage(console, error);

    take(parser, QStringLiteral("apn"), &values.apn);
    take(parser, QStringLiteral("url"), &values.url);
    take(parser, QStringLiteral("ip"), &values.ip);
    take(parser, QStringLiteral("port"), &values.port);
    if (!takeList(parser, QStringLiteral("phone"), 5, &values.phones, &error)
        || !takeList(parser, QStringLiteral("email"), 5, &values.emails, &error))
        return usage(console, error);
    takeAccount(parser, &values.server, &values.ePort, &values.sender, &values.password);
    remind(console, values.phones.front(), values.emails.front());

    return write(console, parser, MmsIni::fileName(), PathBox::Folder,
                 [&](const QString &path) { return MmsIni::write(path, values, codePage()); });
}

} // namespace rx20::cli

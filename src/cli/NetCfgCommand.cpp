#include "cli/NetCfgCommand.h"

#include "camera/MmsNetCfg.h"
#include "smtp/MailNetCfg.h"
#include "smtp/SmtpNetCfg.h"

#include <QMap>

#include <algorithm>

namespace rx20::cli {

using catalogue::Copy;
using catalogue::Preset;

namespace {

// The options each variant's window has a box for.
const QMap<QString, QStringList> &variants()
{
    static const QMap<QString, QStringList> options{
        {"smtp", {"apn", "server", "server-port", "sender", "password", "ssl", "email"}},
        {"mail",
         {"country", "operator", "apn", "apn-account", "apn-password", "server", "server-port",
          "sender", "password", "ssl", "phone", "email"}},
        {"mms", {"country", "operator", "apn", "url", "ip", "port", "phone", "email"}},
    };
    return options;
}

QStringList allOptions()
{
    QStringList all;
    for (const QStringList &names : variants()) {
        for (const QString &name : names) {
            if (!all.contains(name))
                all << name;
        }
    }
    return all;
}

} // namespace

QString NetCfgCommand::summary() const
{
    return QStringLiteral(
        "Writes NET.CFG, byte for byte as the window of the variant generates it for the same "
        "values:\n"
        "  smtp  SMTP Setting window: \"[SMTP]\", 13 lines; server smtp.gmail.com, port 25 and "
        "no SSL unless given.\n"
        "  mail  mail-and-phone window: 15 lines, scrambled; one --phone; SSL yes unless the "
        "catalogue or --ssl says otherwise.\n"
        "  mms   MMS Setting window: \"[MMS]\", 15 lines; filled for United States, AT&T "
        "Wireless as the window opens, unless --country says otherwise; -o names the file "
        "itself, as that window's File Path does.\n"
        "Options a variant's window has no box for are refused.");
}

void NetCfgCommand::addOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(QStringLiteral("variant"),
                                        QStringLiteral("Which NET.CFG: smtp, mail or mms."),
                                        QStringLiteral("variant")));
    addValueOptions(parser, allOptions(), SmtpNetCfg::fileName());
}

int NetCfgCommand::execute(const QCommandLineParser &parser, Console &console)
{
    const QString variant = parser.value(QStringLiteral("variant"));
    if (variant.isEmpty())
        return usage(console, QStringLiteral("--variant smtp|mail|mms is required"));
    if (!variants().contains(variant))
        return usage(console,
                     QStringLiteral("unknown variant \"%1\" (smtp, mail or mms)").arg(variant));
    for (const QString &option : allOptions()) {
        if (parser.isSet(option) && !variants()[variant].contains(option))
            return usage(console,
                         QStringLiteral("--variant %1 takes no --%2").arg(variant, option));
    }
    if (parser.isSet(QStringLiteral("operator")) && !parser.isSet(QStringLiteral("country")))
        return usage(console, QStringLiteral("--operator needs --country"));
    if (variant == QLatin1String("smtp"))
        return smtp(parser, console);
    if (variant == QLatin1String("mail"))
        return mail(parser, console);
    return mms(parser, console);
}

int NetCfgCommand::smtp(const QCommandLineParser &parser, Console &console)
{
    // The window opens on the first preset server with port 25 and "No SSL";
    // typing another server leaves the port alone.
    SmtpNetCfgValues values;
    values.server = SmtpNetCfg::presetServers().constFirst();
    values.port = QStringLiteral("25");
    QString ssl = QStringLiteral("no");
    if (parser.isSet(QStringLiteral("ssl"))
        && !choice(parser.value(QStringLiteral("ssl")), {"yes", "no"}, &ssl))
        return usage(console, QStringLiteral("--ssl takes yes or no"));
    values.ssl = SmtpNetCfg::sslFor(ssl == QLatin1String("yes") ? QStringLiteral("SSL")
                                                                : QStringLiteral("No SSL"));

    QString error;
    take(parser, QStringLiteral("apn"), &values.apn);
    takeAccount(parser, &values.server, &values.port, &values.sender, &values.password);
    if (!takeList(parser, QStringLiteral("email"), 5, &values.emails, &error))
        return usage(console, error);

    return write(console, parser, SmtpNetCfg::fileName(), PathBox::Folder,
                 [&](const QString &path) {
                     return SettingsFile::write(path, SmtpNetCfg::lines(values), codePage());
                 });
}

int NetCfgCommand::mail(const QCommandLineParser &parser, Console &console)
{
    MailNetCfgValues values;
    QString sslChoice = QStringLiteral("YES"); // the SSL box's design-time text
    QString error;
    if (parser.isSet(QStringLiteral("country"))
        && !choose(
            Copy::Mail, parser.value(QStringLiteral("country")),
            parser.value(QStringLiteral("operator")), QString(),
            [&](const Preset &preset) { MailNetCfg::applyPreset(preset, &values, &sslChoice); },
            &error))
        return usage(console, error);

    if (parser.isSet(QStringLiteral("ssl"))) {
        QString ssl;
        if (!choice(parser.value(QStringLiteral("ssl")), {"yes", "no"}, &ssl))
            return usage(console, QStringLiteral("--ssl takes yes or no"));
        sslChoice = ssl.toUpper();
    }
    // A fresh window has no earlier digit to keep.
    values.ssl = MailNetCfg::sslValue(sslChoice, QString());

    std::array<QString, 5> phones;
    take(parser, QStringLiteral("apn"), &values.apn);
    take(parser, QStringLiteral("apn-account"), &values.apnAccount);
    take(parser, QStringLiteral("apn-password"), &values.apnPassword);
    takeAccount(parser, &values.server, &values.port, &values.sender, &values.password);
    if (!takeList(parser, QStringLiteral("phone"), 1, &phones, &error)
        || !takeList(parser, QStringLiteral("email"), 5, &values.emails, &error))
        return usage(console, error);
    values.phone1 = phones.front();
    remind(console, values.phone1, values.emails.front());

    return write(console, parser, MailNetCfg::fileName(), PathBox::Folder,
                 [&](const QString &path) { return MailNetCfg::write(path, values, codePage()); });
}

int NetCfgCommand::mms(const QCommandLineParser &parser, Console &console)
{
    MmsNetCfgValues values;
    const auto fill = [&values](const Preset &preset) { MmsNetCfg::applyPreset(preset, &values); };
    QString error;
    // The window fills its design-time country and operator as it opens.
    const catalogue::Selection design = catalogue::Catalogue::designSelection(Copy::Mms);
    choose(Copy::Mms, design.country, QString(), design.operatorName, fill, &error);
    if (parser.isSet(QStringLiteral("country"))
        && !choose(Copy::Mms, parser.value(QStringLiteral("country")),
                   parser.value(QStringLiteral("operator")), design.operatorName, fill, &error))
        return usage(console, error);

    take(parser, QStringLiteral("apn"), &values.apn);
    take(parser, QStringLiteral("url"), &values.url);
    take(parser, QStringLiteral("ip"), &values.ip);
    take(parser, QStringLiteral("port"), &values.port);
    if (!takeList(parser, QStringLiteral("phone"), 5, &values.phones, &error)
        || !takeList(parser, QStringLiteral("email"), 5, &values.emails, &error))
        return usage(console, error);

    const auto empty = [](const QString &text) { return text.isEmpty(); };
    if (std::all_of(values.phones.cbegin(), values.phones.cend(), empty)
        && std::all_of(values.emails.cbegin(), values.emails.cend(), empty))
        console.warning(QStringLiteral("no phone number or e-mail address (--phone, --email)"));

    return write(console, parser, SmtpNetCfg::fileName(), PathBox::File,
                 [&](const QString &path) { return MmsNetCfg::write(path, values, codePage()); });
}

} // namespace rx20::cli

#include "cli/GenerateCommand.h"

#include "camera/CameraCfg.h"
#include "cli/CatalogueCommand.h"
#include "smtp/SmtpNetCfg.h"
#include "wireless/MmsIni.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace rx20::cli {

using catalogue::Catalogue;

namespace {

struct ValueOption
{
    QString valueName;
    QString description;
};

const QHash<QString, ValueOption> &valueOptions()
{
    static const QHash<QString, ValueOption> options{
        {"country",
         {"name", "Fill from the window's operator catalogue: the country (rx20-config catalogue "
                  "lists them)."}},
        {"operator",
         {"name", "With --country: the operator picked after the country (default: the one the "
                  "country preselects)."}},
        {"apn", {"text", "APN (after the catalogue fill)."}},
        {"url", {"url", "MMS server URL."}},
        {"ip", {"address", "MMS proxy IP."}},
        {"port", {"number", "MMS proxy port."}},
        {"apn-account", {"text", "Account of the GPRS access."}},
        {"apn-password", {"text", "Password of the GPRS access."}},
        {"server", {"host", "E-mail (SMTP) server."}},
        {"server-port", {"number", "E-mail (SMTP) server port."}},
        {"sender", {"address", "Sender e-mail address (the account)."}},
        {"password", {"text", "Password of the e-mail account."}},
        {"ssl", {"yes|no", "Whether the e-mail server is reached over SSL."}},
        {"phone", {"number", "A phone number to send pictures to; repeat for the next."}},
        {"email", {"address", "An e-mail address to send pictures to; repeat for the next."}},
    };
    return options;
}

// The names the windows' path boxes end in.
const QStringList &settingsFileNames()
{
    static const QStringList names{MmsIni::fileName(), SmtpNetCfg::fileName(),
                                   CameraCfg::fileName()};
    return names;
}

} // namespace

void GenerateCommand::addValueOptions(QCommandLineParser &parser, const QStringList &names,
                                      const QString &fileName)
{
    // These choose values rather than being written as they are.
    const QStringList choosing{"country", "operator", "ssl"};
    for (const QString &name : names) {
        const ValueOption &option = valueOptions()[name];
        const QCommandLineOption added(name, option.description, option.valueName);
        if (choosing.contains(name))
            parser.addOption(added);
        else
            addWrittenOption(parser, added);
    }
    addPathOptions(parser, fileName);
}

void GenerateCommand::addWrittenOption(QCommandLineParser &parser, const QCommandLineOption &option)
{
    parser.addOption(option);
    m_written << option.names().constFirst();
}

void GenerateCommand::addPathOptions(QCommandLineParser &parser, const QString &fileName)
{
    parser.addOption(QCommandLineOption(
        {QStringLiteral("o"), QStringLiteral("path")},
        QStringLiteral("An existing folder to write %1 into, or the path of a settings file in "
                       "an existing folder, as the window's path box takes it (default: the "
                       "current folder). Unlike the path box, a folder named without a "
                       "separator at its end is still that folder: \"E:\" is the drive's top "
                       "folder, where the window would write into its current folder. A path "
                       "that names no existing folder is refused, so nothing is written beside "
                       "a card that is not mounted.")
            .arg(fileName),
        QStringLiteral("path")));
    addCodePageOption(parser);
}

void GenerateCommand::take(const QCommandLineParser &parser, const QString &name, QString *value)
{
    if (parser.isSet(name))
        *value = parser.value(name);
}

bool GenerateCommand::takeList(const QCommandLineParser &parser, const QString &name, int max,
                               std::array<QString, 5> *targets, QString *error)
{
    const QStringList values = parser.values(name);
    if (values.size() > max) {
        *error = max == 1 ? QStringLiteral("--%1 is taken once here").arg(name)
                          : QStringLiteral("--%1 is taken at most %2 times").arg(name).arg(max);
        return false;
    }
    for (qsizetype i = 0; i < values.size(); ++i)
        targets->at(std::size_t(i)) = values.at(i);
    return true;
}

bool GenerateCommand::choose(catalogue::Copy copy, const QString &country,
                             const QString &operatorName, const QString &operatorBefore,
                             const std::function<void(const catalogue::Preset &)> &fill,
                             QString *error)
{
    const Catalogue &catalogue = Catalogue::of(copy);
    const catalogue::CountryEntry *entry = catalogue.findCountry(country);
    if (!entry) {
        *error = QStringLiteral("\"%1\" is not in this window's catalogue; "
                                "rx20-config catalogue --copy %2 lists its countries")
                     .arg(country, CatalogueCommand::copyName(copy));
        return false;
    }
    if (!operatorName.isEmpty() && !entry->operators.contains(operatorName)) {
        *error = QStringLiteral("\"%1\" is not an operator of %2 (it lists %3)")
                     .arg(operatorName, country, entry->operators.join(QStringLiteral(", ")));
        return false;
    }
    const QString preselected = entry->preselected.isEmpty() ? operatorBefore : entry->preselected;
    if (const catalogue::Preset *preset = catalogue.findPreset(country, preselected))
        fill(*preset);
    if (!operatorName.isEmpty()) {
        if (const catalogue::Preset *preset = catalogue.findPreset(country, operatorName))
            fill(*preset);
    }
    return true;
}

bool GenerateCommand::target(const QCommandLineParser &parser, const QString &fileName,
                             PathBox rule, QString *path, QString *error)
{
    const QString given = parser.value(QStringLiteral("path"));
    const auto absolute = [](const QString &file) {
        return QDir::cleanPath(QDir::current().absoluteFilePath(file));
    };
    if (given.isEmpty()) {
        *path = absolute(fileName);
        return true;
    }
    const QFileInfo named(given);
    if (named.isDir()) {
        *path = absolute(QDir(given).filePath(fileName));
        return true;
    }
    const QString last = named.fileName();
    const bool settingsFile = std::any_of(
        settingsFileNames().cbegin(), settingsFileNames().cend(),
        [&last](const QString &name) { return name.compare(last, Qt::CaseInsensitive) == 0; });
    if (!last.isEmpty() && (rule == PathBox::File || settingsFile)) {
        // The folder it names, by this system's separators: on Windows "/"
        // too, so that "card/NET.CFG" is never the working folder's file.
        *path = absolute(rule == PathBox::Folder ? named.dir().filePath(fileName) : given);
        return true;
    }
    *error = QStringLiteral("-o %1: there is no such folder; nothing was written.")
                 .arg(QDir::toNativeSeparators(given));
    return false;
}

void GenerateCommand::takeAccount(const QCommandLineParser &parser, QString *server, QString *port,
                                  QString *sender, QString *password)
{
    take(parser, QStringLiteral("server"), server);
    take(parser, QStringLiteral("server-port"), port);
    take(parser, QStringLiteral("sender"), sender);
    take(parser, QStringLiteral("password"), password);
}

void GenerateCommand::remind(Console &console, const QString &phone1, const QString &email1)
{
    if (phone1.isEmpty())
        console.warning(QStringLiteral("no phone number (--phone); Phone1 stays empty"));
    if (email1.isEmpty())
        console.warning(QStringLiteral("no e-mail address (--email); Email1 stays empty"));
}

int GenerateCommand::write(Console &console, const QCommandLineParser &parser,
                           const QString &fileName, PathBox rule,
                           const std::function<FileStatus(const QString &)> &writer) const
{
    QList<std::pair<QString, QString>> values;
    for (const QString &name : m_written) {
        for (const QString &value : parser.values(name))
            values.append({QStringLiteral("The value of --%1").arg(name), value});
    }
    if (const QString refused = SettingsFile::unstorable(values, codePage()); !refused.isEmpty()) {
        console.error(refused);
        return Exit::Failure;
    }
    QString path;
    QString error;
    if (!target(parser, fileName, rule, &path, &error)) {
        console.error(error);
        return Exit::Failure;
    }
    if (const FileStatus status = writer(path); !status) {
        console.error(status.message);
        return Exit::Failure;
    }
    console.value(QStringLiteral("written"), QDir::toNativeSeparators(path));
    return Exit::Success;
}

} // namespace rx20::cli

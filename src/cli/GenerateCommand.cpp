#include "cli/GenerateCommand.h"

#include "cli/CatalogueCommand.h"
#include "files/TargetPath.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

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

} // namespace

void GenerateCommand::addValueOptions(QCommandLineParser &parser, const QStringList &names)
{
    for (const QString &name : names) {
        const ValueOption &option = valueOptions()[name];
        parser.addOption(QCommandLineOption(name, option.description, option.valueName));
    }
    parser.addOption(QCommandLineOption(
        {QStringLiteral("o"), QStringLiteral("path")},
        QStringLiteral("Folder to write into, or a path as the window's path box takes it "
                       "(default: the current folder)."),
        QStringLiteral("path")));
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

QString GenerateCommand::target(const QCommandLineParser &parser, const QString &fileName,
                                PathBox rule)
{
    const QString path = parser.value(QStringLiteral("path"));
    QString file;
    if (path.isEmpty())
        file = fileName;
    else if (QFileInfo(path).isDir())
        file = QDir(path).filePath(fileName);
    else
        file = rule == PathBox::Folder ? TargetPath::resolve(path, fileName) : path;
    return QDir::cleanPath(QDir::current().absoluteFilePath(file));
}

int GenerateCommand::report(Console &console, const QString &path, const FileStatus &status)
{
    if (!status) {
        console.error(status.message);
        return Exit::Failure;
    }
    console.value(QStringLiteral("written"), QDir::toNativeSeparators(path));
    return Exit::Success;
}

} // namespace rx20::cli

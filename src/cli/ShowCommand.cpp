#include "cli/ShowCommand.h"

#include "cli/FileOptions.h"
#include "inspect/Document.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

namespace rx20::cli {

using inspect::Document;
using inspect::Setting;

namespace {

QString positions(const QList<inspect::Doubt> &doubts)
{
    QStringList out;
    for (const inspect::Doubt &doubt : doubts)
        out << QString::number(doubt.position);
    return out.join(QLatin1Char(','));
}

} // namespace

QString ShowCommand::summary() const
{
    return QStringLiteral(
        "Prints the settings of FILE (MMS.INI, any NET.CFG, CAMERA.CFG) as key=value lines in "
        "the file's order, each value taken as the windows read it. A scrambled NET.CFG is "
        "unscrambled; that is exact for ASCII text, and the bytes that could also have been "
        "another character of the code page are named by their position in the value "
        "(ambiguous.KEY=positions).");
}

void ShowCommand::addOptions(QCommandLineParser &parser)
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The settings file."));
    FileOptions::add(parser);
    addJsonOption(parser);
    addCodePageOption(parser);
}

int ShowCommand::execute(const QCommandLineParser &parser, Console &console)
{
    int status = Exit::Success;
    const std::optional<Document> read = load(parser, console, &status);
    if (!read)
        return status;
    const Document &document = *read;
    const QList<Setting> settings = document.settings();
    int ambiguous = 0;
    for (const Setting &setting : settings)
        ambiguous += int(setting.ambiguous.size());

    if (parser.isSet(QStringLiteral("json"))) {
        QJsonObject values;
        QJsonObject doubts;
        for (const Setting &setting : settings) {
            values.insert(setting.key, setting.value);
            QJsonArray bytes;
            for (const inspect::Doubt &doubt : setting.ambiguous)
                bytes.append(QJsonObject{{QStringLiteral("position"), doubt.position},
                                         {QStringLiteral("byte"),
                                          QString::fromLatin1(QByteArray(1, doubt.byte).toHex())},
                                         {QStringLiteral("taken"), doubt.taken},
                                         {QStringLiteral("other"), doubt.other}});
            if (!bytes.isEmpty())
                doubts.insert(setting.key, bytes);
        }
        console.json({{QStringLiteral("file"), QDir::toNativeSeparators(document.path())},
                      {QStringLiteral("kind"), document.layout().name()},
                      {QStringLiteral("scrambled"), document.isScrambled()},
                      {QStringLiteral("settings"), values},
                      {QStringLiteral("ambiguous"), doubts}});
        return Exit::Success;
    }

    console.value(QStringLiteral("file"), QDir::toNativeSeparators(document.path()));
    console.value(QStringLiteral("kind"), document.layout().name());
    console.value(QStringLiteral("scrambled"),
                  document.isScrambled() ? QStringLiteral("yes") : QStringLiteral("no"));
    for (const Setting &setting : settings)
        console.value(setting.key, setting.value);
    if (document.isScrambled()) {
        console.value(QStringLiteral("ambiguous"), QString::number(ambiguous));
        for (const Setting &setting : settings) {
            if (!setting.ambiguous.isEmpty())
                console.value(QStringLiteral("ambiguous.") + setting.key,
                              positions(setting.ambiguous));
        }
    }
    return Exit::Success;
}

} // namespace rx20::cli

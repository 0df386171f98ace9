#include "cli/CheckCommand.h"

#include "cli/FileOptions.h"
#include "inspect/Lint.h"
#include "inspect/PresetNotes.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

namespace rx20::cli {

QString CheckCommand::summary() const
{
    return QStringLiteral(
        "Checks FILE (MMS.INI, any NET.CFG, CAMERA.CFG): line count, section and keys in "
        "order, CR LF line ends, empty required values (Phone1, Email1), ports that are no "
        "number, MMS server URLs, IP and e-mail addresses that cannot be right, SSL flags, and "
        "MMS.INI's repeated values. Prints one finding a line as FILE:LINE: RULE: message. "
        "Where the file holds a catalogue preset's values and newer public data writes one "
        "otherwise, a line FILE:LINE: note: message names the newer value; where the operator "
        "that took over the preset's network writes one otherwise, it names that successor's "
        "value.\n"
        "Exit status: 0 nothing found (notes alone included), 1 findings, 2 FILE cannot be "
        "read or recognised.");
}

void CheckCommand::addOptions(QCommandLineParser &parser)
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The settings file."));
    FileOptions::add(parser);
    addJsonOption(parser);
}

int CheckCommand::execute(const QCommandLineParser &parser, Console &console)
{
    int status = Exit::Success;
    const std::optional<inspect::Document> document = load(parser, console, &status);
    if (!document)
        return status;
    const QList<inspect::Finding> findings = inspect::Lint::check(*document);
    const QList<inspect::Finding> notes = inspect::PresetNotes::of(*document);
    const QString file = QDir::toNativeSeparators(document->path());

    if (parser.isSet(QStringLiteral("json"))) {
        const auto list = [](const QList<inspect::Finding> &items) {
            QJsonArray out;
            for (const inspect::Finding &item : items)
                out.append(QJsonObject{{QStringLiteral("line"), item.line},
                                       {QStringLiteral("rule"), item.rule},
                                       {QStringLiteral("message"), item.message}});
            return out;
        };
        console.json({{QStringLiteral("file"), file},
                      {QStringLiteral("kind"), document->layout().name()},
                      {QStringLiteral("findings"), list(findings)},
                      {QStringLiteral("notes"), list(notes)}});
    } else {
        const auto print = [&](const QList<inspect::Finding> &items, bool asNotes) {
            for (const inspect::Finding &item : items) {
                const QString where =
                    item.line > 0 ? QStringLiteral("%1:%2").arg(file).arg(item.line) : file;
                console.line(
                    QStringLiteral("%1: %2: %3")
                        .arg(where, asNotes ? QStringLiteral("note") : item.rule, item.message));
            }
        };
        print(findings, false);
        print(notes, true);
        if (findings.isEmpty())
            console.line(QStringLiteral("%1: ok (%2)").arg(file, document->layout().name()));
    }
    return findings.isEmpty() ? Exit::Success : Exit::Failure;
}

} // namespace rx20::cli

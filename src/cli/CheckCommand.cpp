#include "cli/CheckCommand.h"

#include "cli/FileOptions.h"
#include "inspect/Lint.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

namespace rx20::cli {

QString CheckCommand::summary() const
{
    return QStringLiteral(
        "Checks FILE (MMS.INI, any NET.CFG, CAMERA.CFG): line count, section and keys in "
        "order, CR LF line ends, empty required values (Phone1, Email1), ports that are no "
        "number, IP and e-mail addresses that cannot be right, SSL flags, and MMS.INI's "
        "repeated values. Prints one finding a line as FILE:LINE: RULE: message.\n"
        "Exit status: 0 nothing found, 1 findings, 2 FILE cannot be read or recognised.");
}

void CheckCommand::addOptions(QCommandLineParser &parser)
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The settings file."));
    FileOptions::add(parser);
}

int CheckCommand::execute(const QCommandLineParser &parser, Console &console)
{
    std::optional<inspect::Kind> kind;
    QString error;
    if (!FileOptions::kind(parser, &kind, &error))
        return usage(console, error);
    const inspect::DocumentRead read =
        inspect::Document::load(parser.positionalArguments().constFirst(), kind);
    if (!read.status) {
        console.error(FileOptions::failure(read));
        return Exit::Usage;
    }
    const QList<inspect::Finding> findings = inspect::Lint::check(read.document);
    const QString file = QDir::toNativeSeparators(read.document.path());

    if (parser.isSet(QStringLiteral("json"))) {
        QJsonArray list;
        for (const inspect::Finding &finding : findings)
            list.append(QJsonObject{{QStringLiteral("line"), finding.line},
                                    {QStringLiteral("rule"), finding.rule},
                                    {QStringLiteral("message"), finding.message}});
        console.json({{QStringLiteral("file"), file},
                      {QStringLiteral("kind"), read.document.layout().name()},
                      {QStringLiteral("findings"), list}});
    } else {
        for (const inspect::Finding &finding : findings) {
            const QString where =
                finding.line > 0 ? QStringLiteral("%1:%2").arg(file).arg(finding.line) : file;
            console.line(QStringLiteral("%1: %2: %3").arg(where, finding.rule, finding.message));
        }
        if (findings.isEmpty())
            console.line(QStringLiteral("%1: ok (%2)").arg(file, read.document.layout().name()));
    }
    return findings.isEmpty() ? Exit::Success : Exit::Failure;
}

} // namespace rx20::cli

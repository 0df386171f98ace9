#include "cli/Command.h"

namespace rx20::cli {

int Command::run(const QStringList &arguments, Console &console)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(summary());
    const QCommandLineOption help = parser.addHelpOption();
    addOptions(parser);

    if (!parser.parse(QStringList{name()} + arguments))
        return usage(console, withoutFullStop(parser.errorText()));
    if (parser.isSet(help)) {
        // The parser names the program by its path; the usage line names the command.
        QString text = parser.helpText();
        const QString usageLine = QStringLiteral("Usage: rx20-config %1 [options] %2")
                                      .arg(name(), positionalSyntax())
                                      .trimmed();
        text.replace(0, text.indexOf(QLatin1Char('\n')), usageLine);
        console.out() << text;
        return Exit::Success;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > positionalCount())
        return usage(
            console,
            QStringLiteral("unexpected argument '%1'").arg(positional.at(positionalCount())));
    if (positional.size() < positionalCount())
        return usage(console, QStringLiteral("%1 is missing").arg(positionalSyntax()));
    return execute(parser, console);
}

int Command::usage(Console &console, const QString &message) const
{
    console.error(QStringLiteral("%1: %2 (see rx20-config %1 --help)").arg(name(), message));
    return Exit::Usage;
}

QString Command::withoutFullStop(const QString &message)
{
    return message.endsWith(QLatin1Char('.')) ? message.chopped(1) : message;
}

bool Command::choice(const QString &value, const QStringList &choices, QString *chosen)
{
    for (const QString &candidate : choices) {
        if (candidate.compare(value, Qt::CaseInsensitive) == 0) {
            *chosen = candidate;
            return true;
        }
    }
    return false;
}

} // namespace rx20::cli

#include "cli/Command.h"

#include "files/CodePage.h"

namespace rx20::cli {

int Command::run(const QStringList &arguments, Console &console)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(summary());
    const QCommandLineOption help = parser.addHelpOption();
    addOptions(parser);
    // Known before parsing, so that a bad argument is reported as JSON too.
    console.setJsonErrors(m_jsonOption
                          && (arguments.contains(QStringLiteral("--json"))
                              || arguments.contains(QStringLiteral("-json"))));

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

    m_codePage.clear();
    if (m_codePageOption && parser.isSet(QStringLiteral("code-page"))) {
        const QString name = parser.value(QStringLiteral("code-page"));
        if (!CodePage::isAvailable(name.toLatin1()))
            return usage(console,
                         QStringLiteral("--code-page %1 cannot be converted on this system (for "
                                        "example windows-1250, windows-1251, windows-1252)")
                             .arg(name));
        m_codePage = name.toLatin1();
    }
    return execute(parser, console);
}

QByteArray Command::codePage() const
{
    return m_codePage.isEmpty() ? CodePage::systemName() : m_codePage;
}

void Command::addCodePageOption(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(
        QStringLiteral("code-page"),
        QStringLiteral("The camera's 8-bit code page the file is in, such as windows-1251 "
                       "(default: the one Windows uses for the locale's language, windows-1252 "
                       "for English). A value it cannot store is not written."),
        QStringLiteral("name")));
    m_codePageOption = true;
}

void Command::addJsonOption(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(QStringLiteral("json"), QStringLiteral("Print JSON.")));
    m_jsonOption = true;
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

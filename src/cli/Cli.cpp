#include "cli/Cli.h"

#include "cli/CameraCfgCommand.h"
#include "cli/CatalogueCommand.h"
#include "cli/CheckCommand.h"
#include "cli/MmsIniCommand.h"
#include "cli/NetCfgCommand.h"
#include "cli/ShowCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <memory>
#include <vector>

namespace rx20::cli {

namespace {

std::vector<std::unique_ptr<Command>> commands()
{
    std::vector<std::unique_ptr<Command>> all;
    all.push_back(std::make_unique<CatalogueCommand>());
    all.push_back(std::make_unique<MmsIniCommand>());
    all.push_back(std::make_unique<NetCfgCommand>());
    all.push_back(std::make_unique<CameraCfgCommand>());
    all.push_back(std::make_unique<ShowCommand>());
    all.push_back(std::make_unique<CheckCommand>());
    return all;
}

QString overview(const std::vector<std::unique_ptr<Command>> &all)
{
    QString text = QStringLiteral(
        "Usage: rx20-config COMMAND [options]\n"
        "Writes, shows and checks the RX20 camera's settings files, as the windows of RX20 "
        "Setting Tools do.\n\nCommands:\n");
    for (const auto &command : all)
        text += QStringLiteral("  %1  %2\n").arg(command->name(), -10).arg(command->brief());
    text += QStringLiteral("\n'rx20-config COMMAND --help' describes a command and its options.\n");
    return text;
}

} // namespace

int Cli::run(const QStringList &arguments, Console &console)
{
    const auto all = commands();

    // Options after the command's name belong to the command.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QString());
    if (!parser.parse(arguments)) {
        console.error(Command::withoutFullStop(parser.errorText())
                      + QStringLiteral(" (see rx20-config --help)"));
        return Exit::Usage;
    }
    if (parser.isSet(version)) {
        console.line(QStringLiteral("rx20-config %1").arg(QCoreApplication::applicationVersion()));
        return Exit::Success;
    }
    const QStringList rest = parser.positionalArguments();
    if (parser.isSet(help)) {
        console.out() << overview(all);
        return Exit::Success;
    }
    if (rest.isEmpty()) {
        console.error(QStringLiteral("no command given (see rx20-config --help)"));
        return Exit::Usage;
    }
    for (const auto &command : all) {
        if (command->name() == rest.constFirst())
            return command->run(rest.mid(1), console);
    }
    console.error(
        QStringLiteral("unknown command '%1' (see rx20-config --help)").arg(rest.constFirst()));
    return Exit::Usage;
}

} // namespace rx20::cli

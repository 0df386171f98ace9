#include "cli/Cli.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rx20-config"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RX20_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    rx20::cli::Console console(out, err);
    return rx20::cli::Cli::run(QCoreApplication::arguments(), console);
}

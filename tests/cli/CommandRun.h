#pragma once

#include "cli/Command.h"
#include "cli/Console.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace rx20::test {

// One run of a command in this process, with what it printed.
struct CommandRun
{
    int status = -1;
    QString out;
    QString err;

    static CommandRun of(cli::Command &&command, const QStringList &arguments)
    {
        CommandRun run;
        QTextStream out(&run.out);
        QTextStream err(&run.err);
        cli::Console console(out, err);
        run.status = command.run(arguments, console);
        out.flush();
        err.flush();
        return run;
    }

    // The value of the first "key=value" line with this key.
    QString value(const QString &key) const
    {
        for (const QString &line : out.split(QLatin1Char('\n'))) {
            if (line.startsWith(key + QLatin1Char('=')))
                return line.mid(key.size() + 1);
        }
        return QStringLiteral("<no %1>").arg(key);
    }
};

} // namespace rx20::test

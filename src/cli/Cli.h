#pragma once

#include "cli/Console.h"

#include <QStringList>

namespace rx20::cli {

// rx20-config: finds the subcommand named first on the command line and
// hands it the rest.
class Cli
{
public:
    // arguments: the whole command line, the program's name first.
    static int run(const QStringList &arguments, Console &console);
};

} // namespace rx20::cli

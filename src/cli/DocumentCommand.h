#pragma once

#include "cli/Command.h"
#include "inspect/Document.h"

#include <optional>

namespace rx20::cli {

// A command that reads the settings file FILE (show, check).
class DocumentCommand : public Command
{
protected:
    QString positionalSyntax() const override { return QStringLiteral("FILE"); }
    int positionalCount() const override { return 1; }

    // FILE read and recognised as --kind says (or by its content), or
    // nothing once the error has been reported, with *status the exit status
    // for it.
    std::optional<inspect::Document> load(const QCommandLineParser &parser, Console &console,
                                          int *status);
};

} // namespace rx20::cli

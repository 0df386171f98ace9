#include "cli/DocumentCommand.h"

#include "cli/FileOptions.h"

namespace rx20::cli {

std::optional<inspect::Document> DocumentCommand::load(const QCommandLineParser &parser,
                                                       Console &console, int *status)
{
    std::optional<inspect::Kind> kind;
    QString error;
    if (!FileOptions::kind(parser, &kind, &error)) {
        *status = usage(console, error);
        return std::nullopt;
    }
    inspect::DocumentRead read =
        inspect::Document::load(parser.positionalArguments().constFirst(), kind, codePage());
    if (!read.status) {
        console.error(FileOptions::failure(read));
        *status = Exit::Usage;
        return std::nullopt;
    }
    return std::move(read.document);
}

} // namespace rx20::cli

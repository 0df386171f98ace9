#pragma once

#include "inspect/Document.h"

#include <QCommandLineParser>

#include <optional>

namespace rx20::cli {

// The options of the commands that read a file: --kind.
class FileOptions
{
public:
    static void add(QCommandLineParser &parser);

    // The kind named by --kind, if any; false when the name is unknown.
    static bool kind(const QCommandLineParser &parser, std::optional<inspect::Kind> *kind,
                     QString *error);

    // The one-line error for a file that could not be read or recognised.
    static QString failure(const inspect::DocumentRead &read);
};

} // namespace rx20::cli

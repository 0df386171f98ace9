#include "cli/FileOptions.h"

namespace rx20::cli {

void FileOptions::add(QCommandLineParser &parser)
{
    parser.addOption(
        QCommandLineOption(QStringLiteral("kind"),
                           QStringLiteral("Take FILE as this kind instead of recognising it: %1.")
                               .arg(inspect::Layout::names().join(QStringLiteral(", "))),
                           QStringLiteral("kind")));
}

bool FileOptions::kind(const QCommandLineParser &parser, std::optional<inspect::Kind> *kind,
                       QString *error)
{
    if (!parser.isSet(QStringLiteral("kind")))
        return true;
    *kind = inspect::Layout::kindNamed(parser.value(QStringLiteral("kind")));
    if (!*kind)
        *error = QStringLiteral("--kind takes %1")
                     .arg(inspect::Layout::names().join(QStringLiteral(", ")));
    return kind->has_value();
}

QString FileOptions::failure(const inspect::DocumentRead &read)
{
    if (read.unknownKind)
        return read.status.message + QStringLiteral(" Name its kind with --kind.");
    return read.status.message;
}

} // namespace rx20::cli

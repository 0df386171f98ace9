#pragma once

#include "catalogue/Catalogue.h"
#include "cli/Command.h"
#include "files/SettingsFile.h"

#include <array>
#include <functional>

namespace rx20::cli {

// What the generating commands share: value options named like the windows'
// boxes, the operator catalogue fill, the -o path and the writing.
class GenerateCommand : public Command
{
protected:
    // How a window takes its path box: the folder part of it, followed by the
    // window's own file name, or the file it names as typed.
    enum class PathBox { Folder, File };

    // Adds the named value options ("apn", "phone", ...) and -o/--path.
    static void addValueOptions(QCommandLineParser &parser, const QStringList &names);

    // The option's value, when given, replaces *value.
    static void take(const QCommandLineParser &parser, const QString &name, QString *value);

    // Every value of a repeatable option, in order, into the first targets;
    // more than max is an error.
    static bool takeList(const QCommandLineParser &parser, const QString &name, int max,
                         std::array<QString, 5> *targets, QString *error);

    // What the window does when the user picks the country and then, if one
    // is given, the operator: the country's pick applies the preset of the
    // operator it preselects (or of operatorBefore when it preselects none),
    // the operator's pick that operator's preset.
    static bool choose(catalogue::Copy copy, const QString &country, const QString &operatorName,
                       const QString &operatorBefore,
                       const std::function<void(const catalogue::Preset &)> &fill, QString *error);

    // Where to write, from -o: an existing folder takes the file name; any
    // other text is taken as the window takes its path box. No -o is the
    // current folder, as an empty path box is.
    static QString target(const QCommandLineParser &parser, const QString &fileName, PathBox rule);

    // Reports the outcome of a write: the file written, or the reason it was not.
    static int report(Console &console, const QString &path, const FileStatus &status);
};

} // namespace rx20::cli

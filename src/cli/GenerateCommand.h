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

    // Adds the named value options ("apn", "phone", ...), -o/--path and --code-page.
    void addValueOptions(QCommandLineParser &parser, const QStringList &names,
                         const QString &fileName);

    // An option whose text goes into the file as it is given.
    void addWrittenOption(QCommandLineParser &parser, const QCommandLineOption &option);

    // -o/--path, described for the command's file, and --code-page.
    void addPathOptions(QCommandLineParser &parser, const QString &fileName);

    // The option's value, when given, replaces *value.
    static void take(const QCommandLineParser &parser, const QString &name, QString *value);

    // Every value of a repeatable option, in order, into the first targets;
    // more than max is an error.
    static bool takeList(const QCommandLineParser &parser, const QString &name, int max,
                         std::array<QString, 5> *targets, QString *error);

    // The e-mail account's options: --server, --server-port, --sender, --password.
    static void takeAccount(const QCommandLineParser &parser, QString *server, QString *port,
                            QString *sender, QString *password);

    // The window's reminders of an empty first phone and e-mail; the file is
    // written all the same.
    static void remind(Console &console, const QString &phone1, const QString &email1);

    // What the window does when the user picks the country and then, if one
    // is given, the operator: the country's pick applies the preset of the
    // operator it preselects (or of operatorBefore when it preselects none),
    // the operator's pick that operator's preset.
    static bool choose(catalogue::Copy copy, const QString &country, const QString &operatorName,
                       const QString &operatorBefore,
                       const std::function<void(const catalogue::Preset &)> &fill, QString *error);

    // Writes the file -o names through writer, after the checks every write
    // shares, and reports the file written or why nothing was: a written
    // option holding a character the code page cannot store, or -o naming
    // neither an existing folder nor the file itself.
    int write(Console &console, const QCommandLineParser &parser, const QString &fileName,
              PathBox rule, const std::function<FileStatus(const QString &)> &writer) const;

private:
    // Where to write, from -o: an existing folder takes the file name; a path
    // whose last part is a settings file's name ("card/NET.CFG", as the folder
    // picker leaves a path box) is taken as the window takes its path box, and
    // any path where the window's box names the file itself is that file.
    // Anything else names a folder that is not there, and nothing is written:
    // never one level up from it. No -o is the current folder.
    static bool target(const QCommandLineParser &parser, const QString &fileName, PathBox rule,
                       QString *path, QString *error);

    QStringList m_written; // options whose text goes into the file, in file order
};

} // namespace rx20::cli

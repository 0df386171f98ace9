#pragma once

#include "cli/Console.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace rx20::cli {

// A subcommand of rx20-config with its own options and --help.
class Command
{
public:
    virtual ~Command() = default;

    virtual QString name() const = 0;
    virtual QString summary() const = 0;
    virtual QString brief() const = 0; // one line for the command list

    // arguments: what follows the subcommand's name on the command line.
    int run(const QStringList &arguments, Console &console);

    // The parser's messages end in a full stop; ours go on after them.
    static QString withoutFullStop(const QString &message);

protected:
    virtual void addOptions(QCommandLineParser &parser) = 0;
    virtual int execute(const QCommandLineParser &parser, Console &console) = 0;
    // What follows "[options]" in the usage line, e.g. "FILE", and how many
    // such arguments the command takes.
    virtual QString positionalSyntax() const { return {}; }
    virtual int positionalCount() const { return 0; }

    // --code-page NAME: files are written and read in this code page instead
    // of the one of the locale.
    void addCodePageOption(QCommandLineParser &parser);
    // The code page this run writes and reads in: --code-page's, else the system's.
    QByteArray codePage() const;

    // --json; with it, errors are printed as JSON too.
    void addJsonOption(QCommandLineParser &parser);

    // Reports a bad argument in one line and gives the exit status for it.
    int usage(Console &console, const QString &message) const;

    // An option's value when it is one of choices, matched without regard to case.
    static bool choice(const QString &value, const QStringList &choices, QString *chosen);

private:
    bool m_codePageOption = false;
    QByteArray m_codePage; // empty: the system's
    bool m_jsonOption = false;
};

} // namespace rx20::cli

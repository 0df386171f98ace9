#pragma once

#include "cli/Command.h"

namespace rx20::cli {

// check: lints a settings file the way a careful installer would. Exit
// status 0 when nothing is found, 1 with findings, 2 when the file cannot be
// read or recognised.
class CheckCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("check"); }
    QString summary() const override;
    QString brief() const override
    {
        return QStringLiteral(
            "Checks a settings file; exit status 0 clean, 1 findings, 2 unreadable.");
    }

protected:
    void addOptions(QCommandLineParser &parser) override;
    int execute(const QCommandLineParser &parser, Console &console) override;
    QString positionalSyntax() const override { return QStringLiteral("FILE"); }
    int positionalCount() const override { return 1; }
};

} // namespace rx20::cli

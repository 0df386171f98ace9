#pragma once

#include "cli/DocumentCommand.h"

namespace rx20::cli {

// check: lints a settings file the way a careful installer would. Exit
// status 0 when nothing is found, 1 with findings, 2 when the file cannot be
// read or recognised.
class CheckCommand : public DocumentCommand
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
};

} // namespace rx20::cli

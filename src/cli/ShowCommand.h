#pragma once

#include "cli/Command.h"

namespace rx20::cli {

// show: any settings file the program writes, recognised by its content,
// printed as its reader takes it; a scrambled NET.CFG is unscrambled, with
// the bytes that could have been another character named.
class ShowCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("show"); }
    QString summary() const override;
    QString brief() const override
    {
        return QStringLiteral("Prints any settings file as key=value or JSON, unscrambled.");
    }

protected:
    void addOptions(QCommandLineParser &parser) override;
    int execute(const QCommandLineParser &parser, Console &console) override;
    QString positionalSyntax() const override { return QStringLiteral("FILE"); }
    int positionalCount() const override { return 1; }
};

} // namespace rx20::cli

#pragma once

#include "cli/DocumentCommand.h"

namespace rx20::cli {

// show: any settings file the program writes, recognised by its content,
// printed as its reader takes it; a scrambled NET.CFG is unscrambled, with
// the bytes that could have been another character named.
class ShowCommand : public DocumentCommand
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
};

} // namespace rx20::cli

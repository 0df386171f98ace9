#pragma once

#include "cli/GenerateCommand.h"

namespace rx20::cli {

// net-cfg: one of the three NET.CFG variants, as the window that writes it
// generates it: smtp (SMTP settings), mail (mail-and-phone settings,
// scrambled) or mms (MMS settings).
class NetCfgCommand : public GenerateCommand
{
public:
    QString name() const override { return QStringLiteral("net-cfg"); }
    QString summary() const override;
    QString brief() const override
    {
        return QStringLiteral("Writes NET.CFG: --variant smtp, mail (scrambled) or mms.");
    }

protected:
    void addOptions(QCommandLineParser &parser) override;
    int execute(const QCommandLineParser &parser, Console &console) override;

private:
    int smtp(const QCommandLineParser &parser, Console &console);
    int mail(const QCommandLineParser &parser, Console &console);
    int mms(const QCommandLineParser &parser, Console &console);
};

} // namespace rx20::cli

#pragma once

#include "cli/GenerateCommand.h"

namespace rx20::cli {

// mms-ini: MMS.INI as the wireless settings window's Generate writes it.
class MmsIniCommand : public GenerateCommand
{
public:
    QString name() const override { return QStringLiteral("mms-ini"); }
    QString summary() const override;
    QString brief() const override
    {
        return QStringLiteral("Writes MMS.INI (GPRS SETTINGS window).");
    }

protected:
    void addOptions(QCommandLineParser &parser) override;
    int execute(const QCommandLineParser &parser, Console &console) override;
};

} // namespace rx20::cli

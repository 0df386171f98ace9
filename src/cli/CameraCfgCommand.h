#pragma once

#include "cli/GenerateCommand.h"

namespace rx20::cli {

// camera-cfg: CAMERA.CFG as the camera settings window's Generate writes it,
// every option not given at the window's design-time text.
class CameraCfgCommand : public GenerateCommand
{
public:
    QString name() const override { return QStringLiteral("camera-cfg"); }
    QString summary() const override;
    QString brief() const override
    {
        return QStringLiteral("Writes CAMERA.CFG (camera settings window).");
    }

protected:
    void addOptions(QCommandLineParser &parser) override;
    int execute(const QCommandLineParser &parser, Console &console) override;
};

} // namespace rx20::cli

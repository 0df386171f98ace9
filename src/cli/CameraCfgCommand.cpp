#include "cli/CameraCfgCommand.h"

#include "camera/CameraCfg.h"
#include "camera/CameraOptions.h"
#include "camera/LeadingNumber.h"

namespace rx20::cli {

QString CameraCfgCommand::summary() const
{
    return QStringLiteral(
        "Writes CAMERA.CFG, byte for byte as the camera settings window's Generate does for the "
        "same values. Each option not given keeps the window's design-time text; like the "
        "window's boxes, every option takes any text.");
}

void CameraCfgCommand::addOptions(QCommandLineParser &parser)
{
    for (const CameraOption &option : CameraOptions::all()) {
        QString description = option.title;
        if (!option.items.isEmpty())
            description += QStringLiteral(": ") + option.items.join(QStringLiteral(", "));
        description += QStringLiteral(" (default: %1).").arg(option.design);
        addWrittenOption(parser,
                         QCommandLineOption(option.name, description, QStringLiteral("text")));
    }
    addPathOptions(parser, CameraCfg::fileName());
}

int CameraCfgCommand::execute(const QCommandLineParser &parser, Console &console)
{
    CameraCfgValues values = CameraOptions::design();
    for (const CameraOption &option : CameraOptions::all())
        take(parser, option.name, &(values.*option.field));

    // The window's range checks only warn; the text is written as given.
    if (!LeadingNumber::isWithin(values.interval, 0, 59))
        console.warning(QStringLiteral("interval %1 is out of range (0-59)").arg(values.interval));
    for (const QString &time : {values.aStartHour, values.aStartMinute}) {
        if (!LeadingNumber::isWithin(time, 0, 23))
            console.warning(QStringLiteral("A Start %1 is out of range (0-23)").arg(time));
    }

    return write(console, parser, CameraCfg::fileName(), PathBox::Folder,
                 [&](const QString &path) { return CameraCfg::write(path, values, codePage()); });
}

} // namespace rx20::cli

#pragma once

#include "camera/CameraCfg.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rx20 {

// One value of CAMERA.CFG as the camera settings window offers it.
struct CameraOption
{
    QString name;  // a stable identifier: "image-size", "a-start-hour"
    QString title; // what it is, in the window's words: "Image Size", "A Start hour"
    QString CameraCfgValues::*field;
    QStringList items; // the drop-down's list in order; empty for a text box
    QString design;    // the text the control holds when the window opens
};

// The camera settings window's controls: their lists and design-time texts.
class CameraOptions
{
public:
    // Every value, in the order of the file's lines.
    static const QList<CameraOption> &all();
    static const CameraOption &of(QString CameraCfgValues::*field);

    // Every control at its design-time text.
    static CameraCfgValues design();
};

} // namespace rx20

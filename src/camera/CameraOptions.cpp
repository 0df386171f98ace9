#include "camera/CameraOptions.h"

namespace rx20 {

const QList<CameraOption> &CameraOptions::all()
{
    using V = CameraCfgValues;
    const QStringList onOff{QStringLiteral("ON"), QStringLiteral("OFF")};
    const QStringList levels{QStringLiteral("High"), QStringLiteral("Medium"),
                             QStringLiteral("Low")};
    static const QList<CameraOption> options{
        {"mode", "Mode", &V::mode, {"Camera", "Video", "Hybrid"}, "Camera"},
        {"image-size", "Image Size", &V::imageSize, {"3M", "5M", "8M"}, "5M"},
        {"image-format", "Image Format", &V::imageFormat, {"4:3", "16:9"}, "4:3"},
        {"capture-number", "Capture NO.", &V::captureNumber, {"1", "2", "3"}, "1"},
        {"ir-led-control", "IR LED Control", &V::irLedControl, levels, "High"},
        {"camera-name", "Camera Name", &V::cameraName, {}, "Camera Name"},
        {"video-size",
         "Video Size",
         &V::videoSize,
         {"848x480", "1280x720", "1920x1080"},
         "1920x1080"},
        {"video-length", "Video Length in seconds", &V::videoLength, {}, "10"},
        {"interval", "Interval number (0-59)", &V::interval, {}, "10"},
        {"interval-unit", "Interval unit", &V::intervalUnit, {"S", "M"}, "S"},
        // "Auto" is the design text only; the list offers the three fixed levels.
        {"sensor-level", "Sensor Level", &V::sensorLevel, {"Low", "Normal", "High"}, "Auto"},
        {"nv-shutter", "NV Shutter", &V::nvShutter, levels, "Low"},
        {"camera-mode", "Camera Mode", &V::cameraMode, {"Day", "Night", "24hrs"}, "24hrs"},
        {"time-stamp", "Time Stamp", &V::timeStamp, onOff, "ON"},
        {"video-sound", "Video Sound", &V::videoSound, onOff, "ON"},
        {"over-write", "Over Write", &V::overWrite, onOff, "ON"},
        {"field-scan", "Field Scan", &V::fieldScan, onOff, "OFF"},
        {"a-start-hour", "A Start hour (0-23)", &V::aStartHour, {}, "0"},
        {"a-start-minute", "A Start minute (0-23)", &V::aStartMinute, {}, "0"},
        {"b-start-hour", "B Start hour", &V::bStartHour, {}, "0"},
        {"b-start-minute", "B Start minute", &V::bStartMinute, {}, "0"},
        {"scan-interval",
         "Scan Interval",
         &V::scanInterval,
         {"1M", "5M", "15M", "30M", "60M"},
         "1M"},
    };
    return options;
}

const CameraOption &CameraOptions::of(QString CameraCfgValues::*field)
{
    for (const CameraOption &option : all()) {
        if (option.field == field)
            return option;
    }
    qFatal("A camera value without its option");
}

CameraCfgValues CameraOptions::design()
{
    CameraCfgValues values;
    for (const CameraOption &option : all())
        values.*option.field = option.design;
    return values;
}

} // namespace rx20

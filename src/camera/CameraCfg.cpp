#include "camera/CameraCfg.h"

namespace rx20 {

namespace {

const QString section = QStringLiteral("[CAMERA SETTING]");
const QString modeKey = QStringLiteral("Mode=");
const QString imageSizeKey = QStringLiteral("Image Size=");
const QString imageFormatKey = QStringLiteral("Image Format=");
const QString captureNumberKey = QStringLiteral("Capture Number=");
const QString irLedControlKey = QStringLiteral("IR LED Control=");
const QString cameraNameKey = QStringLiteral("Camera Name=");
const QString videoSizeKey = QStringLiteral("Video Size=");
// The camera's own spellings.
const QString videoLengthKey = QStringLiteral("Vide Length=");
const QString intervalKey = QStringLiteral("Interval=");
const QString sensorLevelKey = QStringLiteral("Sensor Level=");
const QString nvShutterKey = QStringLiteral("NV Shutter=");
const QString cameraModeKey = QStringLiteral("Camera Mode=");
const QString timeStampKey = QStringLiteral("Time Stamp=");
const QString videoSoundKey = QStringLiteral("Video Sound=");
const QString overWriteKey = QStringLiteral("Over Write=");
const QString fieldScanKey = QStringLiteral("Field Scan=");
const QString fieldScanAKey = QStringLiteral("Field Scan A=");
const QString fieldScanBKey = QStringLiteral("Field Scan B=");
const QString scanIntervalKey = QStringLiteral("Fild Scan Interva=");

const QString colon = QStringLiteral(":");

} // namespace

bool CameraCfgValues::operator==(const CameraCfgValues &o) const
{
    return mode == o.mode && imageSize == o.imageSize && imageFormat == o.imageFormat
           && captureNumber == o.captureNumber && irLedControl == o.irLedControl
           && cameraName == o.cameraName && videoSize == o.videoSize && videoLength == o.videoLength
           && interval == o.interval && intervalUnit == o.intervalUnit
           && sensorLevel == o.sensorLevel && nvShutter == o.nvShutter && cameraMode == o.cameraMode
           && timeStamp == o.timeStamp && videoSound == o.videoSound && overWrite == o.overWrite
           && fieldScan == o.fieldScan && aStartHour == o.aStartHour
           && aStartMinute == o.aStartMinute && bStartHour == o.bStartHour
           && bStartMinute == o.bStartMinute && scanInterval == o.scanInterval;
}

const QString &CameraCfg::fileName()
{
    static const QString name = QStringLiteral("CAMERA.CFG");
    return name;
}

QStringList CameraCfg::lines(const CameraCfgValues &v)
{
    QStringList out;
    out.reserve(lineCount);
    out << section << modeKey + v.mode << imageSizeKey + v.imageSize
        << imageFormatKey + v.imageFormat << captureNumberKey + v.captureNumber
        << irLedControlKey + v.irLedControl << cameraNameKey + v.cameraName
        << videoSizeKey + v.videoSize << videoLengthKey + v.videoLength
        << intervalKey + v.interval + v.intervalUnit << sensorLevelKey + v.sensorLevel
        << nvShutterKey + v.nvShutter << cameraModeKey + v.cameraMode << timeStampKey + v.timeStamp
        << videoSoundKey + v.videoSound << overWriteKey + v.overWrite << fieldScanKey + v.fieldScan
        << fieldScanAKey + v.aStartHour + colon + v.aStartMinute
        << fieldScanBKey + v.bStartHour + colon + v.bStartMinute
        << scanIntervalKey + v.scanInterval;
    Q_ASSERT(out.size() == lineCount);
    return out;
}

CameraCfgRead CameraCfg::parse(const QStringList &lines, const QString &path,
                               const CameraCfgValues &current)
{
    if (lines.size() < linesRead)
        return {SettingsFile::tooShort(path, linesRead, int(lines.size())), current};

    // Line n (1-based) is lines.at(n - 1); its key is cut off by length only.
    const auto value = [&lines](int lineNumber, const QString &key) {
        return SettingsFile::valueAfterKey(lines.at(lineNumber - 1), int(key.size()));
    };

    CameraCfgValues v = current;
    v.mode = value(2, modeKey);
    v.imageSize = value(3, imageSizeKey);
    v.imageFormat = value(4, imageFormatKey);
    v.captureNumber = value(5, captureNumberKey);
    v.irLedControl = value(6, irLedControlKey);
    v.cameraName = value(7, cameraNameKey);
    v.videoSize = value(8, videoSizeKey);
    v.videoLength = value(9, videoLengthKey);
    v.sensorLevel = value(11, sensorLevelKey);
    v.nvShutter = value(12, nvShutterKey);
    v.cameraMode = value(13, cameraModeKey);
    v.timeStamp = value(14, timeStampKey);
    v.videoSound = value(15, videoSoundKey);
    v.overWrite = value(16, overWriteKey);
    v.fieldScan = value(17, fieldScanKey);
    return {FileStatus::success(), v};
}

FileStatus CameraCfg::write(const QString &path, const CameraCfgValues &values,
                            const QByteArray &codePage)
{
    return SettingsFile::write(path, lines(values), codePage);
}

CameraCfgRead CameraCfg::read(const QString &path, const CameraCfgValues &current)
{
    const ReadLines file = SettingsFile::read(path);
    if (!file.status)
        return {file.status, current};
    return parse(file.lines, path, current);
}

} // namespace rx20

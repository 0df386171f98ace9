// CAMERA.CFG as the camera settings window (Form2) reads it.
#include "FuzzSupport.h"

#include "camera/CameraCfg.h"

#include <QDir>

using namespace rx20;

namespace {

// What the window's controls hold before the Read; each value differs from
// the others so a value taken from the wrong place shows.
CameraCfgValues before()
{
    CameraCfgValues v;
    QString *const fields[] = {&v.mode,         &v.imageSize,    &v.imageFormat,  &v.captureNumber,
                               &v.irLedControl, &v.cameraName,   &v.videoSize,    &v.videoLength,
                               &v.interval,     &v.intervalUnit, &v.sensorLevel,  &v.nvShutter,
                               &v.cameraMode,   &v.timeStamp,    &v.videoSound,   &v.overWrite,
                               &v.fieldScan,    &v.aStartHour,   &v.aStartMinute, &v.bStartHour,
                               &v.bStartMinute, &v.scanInterval};
    int n = 0;
    for (QString *field : fields)
        *field = QStringLiteral("before%1").arg(++n);
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const CameraCfgValues current = before();
    const QString path = fuzz::scratchFile(fuzz::bytes(data, size), CameraCfg::fileName());
    const CameraCfgRead read = CameraCfg::read(path, current);
    if (!read.status) {
        FUZZ_CHECK(read.values == current);
        FUZZ_CHECK(read.status.message.contains(QDir::toNativeSeparators(path)));
        return 0;
    }
    // The interval and the field scan times are never taken from the file.
    FUZZ_CHECK(read.values.interval == current.interval);
    FUZZ_CHECK(read.values.intervalUnit == current.intervalUnit);
    FUZZ_CHECK(read.values.aStartHour == current.aStartHour);
    FUZZ_CHECK(read.values.aStartMinute == current.aStartMinute);
    FUZZ_CHECK(read.values.bStartHour == current.bStartHour);
    FUZZ_CHECK(read.values.bStartMinute == current.bStartMinute);
    FUZZ_CHECK(read.values.scanInterval == current.scanInterval);

    const QStringList written = CameraCfg::lines(read.values);
    FUZZ_CHECK(written.size() == CameraCfg::lineCount);
    const CameraCfgRead again = CameraCfg::parse(fuzz::throughFile(written), path, read.values);
    FUZZ_CHECK(again.status);
    FUZZ_CHECK(again.values == read.values);
    return 0;
}

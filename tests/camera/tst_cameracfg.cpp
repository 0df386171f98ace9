#include "camera/CameraCfg.h"

#include <QTest>

using rx20::CameraCfg;
using rx20::CameraCfgValues;

namespace {

// Every value different, so a value under the wrong key shows.
CameraCfgValues distinct()
{
    CameraCfgValues v;
    v.mode = "m", v.imageSize = "is", v.imageFormat = "if", v.captureNumber = "cn";
    v.irLedControl = "ir", v.cameraName = "name", v.videoSize = "vs", v.videoLength = "vl";
    v.interval = "7", v.intervalUnit = "u", v.sensorLevel = "sl", v.nvShutter = "nv";
    v.cameraMode = "cm", v.timeStamp = "ts", v.videoSound = "snd", v.overWrite = "ow";
    v.fieldScan = "fs", v.aStartHour = "ah", v.aStartMinute = "am", v.bStartHour = "bh";
    v.bStartMinute = "bm", v.scanInterval = "si";
    return v;
}

} // namespace

class tst_CameraCfg : public QObject
{
    Q_OBJECT

private slots:
    void linesPutEachValueAfterItsKey()
    {
        const QStringList expected = {"[CAMERA SETTING]",   "Mode=m",
                                      "Image Size=is",      "Image Format=if",
                                      "Capture Number=cn",  "IR LED Control=ir",
                                      "Camera Name=name",   "Video Size=vs",
                                      "Vide Length=vl",     "Interval=7u",
                                      "Sensor Level=sl",    "NV Shutter=nv",
                                      "Camera Mode=cm",     "Time Stamp=ts",
                                      "Video Sound=snd",    "Over Write=ow",
                                      "Field Scan=fs",      "Field Scan A=ah:am",
                                      "Field Scan B=bh:bm", "Fild Scan Interva=si"};
        QCOMPARE(CameraCfg::lines(distinct()), expected);
    }

    // Lines 2-9 and 11-17 are taken, the rest stays as the window had it; a
    // file that ends before line 17 names the file and changes nothing.
    void parse_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("sixteen lines") << 16;
        QTest::newRow("seventeen lines") << 17;
        QTest::newRow("twenty lines") << 20;
    }
    void parse()
    {
        QFETCH(int, count);
        QStringList lines = CameraCfg::lines(distinct());
        lines[0] = "[SOMETHING ELSE]";
        lines[9] = "Interval=59M";
        lines[17] = "Field Scan A=1:2";
        lines[18] = "Field Scan B=3:4";
        lines[19] = "Fild Scan Interva=60M";
        lines = lines.mid(0, count);

        const auto asBefore = [](CameraCfgValues v) {
            v.interval = "10", v.intervalUnit = "S", v.scanInterval = "1M";
            v.aStartHour = v.aStartMinute = v.bStartHour = v.bStartMinute = "0";
            return v;
        };
        const auto read = CameraCfg::parse(lines, "CAMERA.CFG", asBefore({}));
        QCOMPARE(read.status.ok, count >= 17);
        if (read.status.ok)
            QVERIFY(read.values == asBefore(distinct()));
        else
            QVERIFY(read.status.message.contains("CAMERA.CFG") && read.values == asBefore({}));
    }
};

QTEST_GUILESS_MAIN(tst_CameraCfg)
#include "tst_cameracfg.moc"

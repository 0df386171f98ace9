#include "camera/CameraCfg.h"

#include <QTest>

using rx20::CameraCfg;
using rx20::CameraCfgValues;

namespace {

// Every value different, so a value under the wrong key shows.
CameraCfgValues distinct()
{
    CameraCfgValues v;
    v.mode = "m";
    v.imageSize = "is";
    v.imageFormat = "if";
    v.captureNumber = "cn";
    v.irLedControl = "ir";
    v.cameraName = "name";
    v.videoSize = "vs";
    v.videoLength = "vl";
    v.interval = "7";
    v.intervalUnit = "u";
    v.sensorLevel = "sl";
    v.nvShutter = "nv";
    v.cameraMode = "cm";
    v.timeStamp = "ts";
    v.videoSound = "snd";
    v.overWrite = "ow";
    v.fieldScan = "fs";
    v.aStartHour = "ah";
    v.aStartMinute = "am";
    v.bStartHour = "bh";
    v.bStartMinute = "bm";
    v.scanInterval = "si";
    return v;
}

} // namespace

class tst_CameraCfg : public QObject
{
    Q_OBJECT

private slots:
    void linesPutEachValueAfterItsKey()
    {
        const QStringList expected = {"[CAMERA SETTING]",
                                      "Mode=m",
                                      "Image Size=is",
                                      "Image Format=if",
                                      "Capture Number=cn",
                                      "IR LED Control=ir",
                                      "Camera Name=name",
                                      "Video Size=vs",
                                      "Vide Length=vl",
                                      "Interval=7u",
                                      "Sensor Level=sl",
                                      "NV Shutter=nv",
                                      "Camera Mode=cm",
                                      "Time Stamp=ts",
                                      "Video Sound=snd",
                                      "Over Write=ow",
                                      "Field Scan=fs",
                                      "Field Scan A=ah:am",
                                      "Field Scan B=bh:bm",
                                      "Fild Scan Interva=si"};
        QCOMPARE(CameraCfg::lines(distinct()), expected);
    }

    void parseTakesLines2To9And11To17Only()
    {
        const CameraCfgValues written = distinct();
        QStringList lines = CameraCfg::lines(written);
        lines[0] = "[SOMETHING ELSE]";
        lines[9] = "Interval=59M";
        lines[17] = "Field Scan A=1:2";
        lines[18] = "Field Scan B=3:4";
        lines[19] = "Fild Scan Interva=60M";

        // What the file does not give stays as the window had it.
        const auto asBefore = [](CameraCfgValues v) {
            v.interval = "10";
            v.intervalUnit = "S";
            v.aStartHour = v.aStartMinute = v.bStartHour = v.bStartMinute = "0";
            v.scanInterval = "1M";
            return v;
        };
        const auto read = CameraCfg::parse(lines, "CAMERA.CFG", asBefore({}));
        QVERIFY(read.status.ok);
        QVERIFY(read.values == asBefore(written));
    }

    void parseNeedsSeventeenLines_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("ok");
        QTest::newRow("none") << 0 << false;
        QTest::newRow("sixteen") << 16 << false;
        QTest::newRow("seventeen") << 17 << true;
    }
    void parseNeedsSeventeenLines()
    {
        QFETCH(int, count);
        QFETCH(bool, ok);
        const QStringList lines = CameraCfg::lines(distinct()).mid(0, count);
        CameraCfgValues current;
        current.mode = "before";
        const auto read = CameraCfg::parse(lines, "CAMERA.CFG", current);
        QCOMPARE(read.status.ok, ok);
        if (ok) {
            QCOMPARE(read.values.fieldScan, QStringLiteral("fs"));
        } else {
            QVERIFY2(read.status.message.contains("CAMERA.CFG"), qPrintable(read.status.message));
            QVERIFY(read.values == current);
        }
    }
};

QTEST_GUILESS_MAIN(tst_CameraCfg)
#include "tst_cameracfg.moc"

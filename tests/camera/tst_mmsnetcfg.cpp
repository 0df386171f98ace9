#include "camera/MmsNetCfg.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using rx20::FileStatus;
using rx20::MmsNetCfg;
using rx20::MmsNetCfgValues;

class tst_MmsNetCfg : public QObject
{
    Q_OBJECT

private slots:
    void writesTheFifteenLinesAndReadsThemBack()
    {
        MmsNetCfgValues v; // every value different, so one under the wrong key shows
        v.url = "mms.example.net:8002/mms", v.apn = "internet.example", v.port = "8080";
        v.ip = "010.000.000.001 "; // leading zeros and a trailing blank stay
        v.phones = {"+441", "2", " 3", "4", "5"}, v.emails = {"a@b.c", "e2", "e3", "e4", "e@f.g"};
        QTemporaryDir dir;
        const QString path = dir.filePath("NET.CFG");
        QVERIFY(MmsNetCfg::write(path, v).ok);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[MMS]\r\nURL=mms.example.net:8002/mms\r\n"
                                            "APN=internet.example\r\nIP=010.000.000.001 \r\n"
                                            "Port=8080\r\nPhone1=+441\r\nPhone2=2\r\nPhone3= 3\r\n"
                                            "Phone4=4\r\nPhone5=5\r\nEmail1=a@b.c\r\nEmail2=e2\r\n"
                                            "Email3=e3\r\nEmail4=e4\r\nEmail5=e@f.g\r\n"));
        QVERIFY(MmsNetCfg::parse(MmsNetCfg::lines(v), path).values == v);
        const FileStatus shortRead = MmsNetCfg::parse(MmsNetCfg::lines(v).mid(0, 14), path).status;
        QVERIFY(!shortRead.ok && shortRead.message.contains(QDir::toNativeSeparators(path)));
        QVERIFY2(shortRead.message.contains("14"), qPrintable(shortRead.message));
    }

    // Characters 2 to 4 of the first line must be "MMS".
    void header_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("mms");
        QTest::newRow("[MMS]") << "[MMS]" << true;
        QTest::newRow("XMMS") << "XMMS" << true;
        QTest::newRow("more after it") << "[MMSX] y" << true;
        QTest::newRow("lower case") << "[mms]" << false;
        QTest::newRow("MMS at the start") << "MMS" << false;
        QTest::newRow("too short") << "[MM" << false;
    }
    void header()
    {
        QFETCH(QString, line);
        QFETCH(bool, mms);
        QCOMPARE(MmsNetCfg::isMmsHeader(line), mms);
    }
};

QTEST_GUILESS_MAIN(tst_MmsNetCfg)
#include "tst_mmsnetcfg.moc"

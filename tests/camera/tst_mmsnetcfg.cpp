#include "camera/MmsNetCfg.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using rx20::MmsNetCfg;
using rx20::MmsNetCfgValues;

class tst_MmsNetCfg : public QObject
{
    Q_OBJECT

private slots:
    void writesTheFifteenLinesAndReadsThemBack()
    {
        MmsNetCfgValues v;
        v.url = "mms.example.net:8002/mms";
        v.apn = "internet.example";
        v.ip = "010.000.000.001 "; // leading zeros and a trailing blank stay
        v.port = "8080";
        v.phones = {"+441", "", " ", "4", "5"};
        v.emails = {"a@b.c", "", "", "", "e@f.g"};

        QTemporaryDir dir;
        const QString path = dir.filePath("NET.CFG");
        QVERIFY(MmsNetCfg::write(path, v).ok);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[MMS]\r\nURL=mms.example.net:8002/mms\r\n"
                                            "APN=internet.example\r\nIP=010.000.000.001 \r\n"
                                            "Port=8080\r\nPhone1=+441\r\nPhone2=\r\nPhone3= \r\n"
                                            "Phone4=4\r\nPhone5=5\r\nEmail1=a@b.c\r\nEmail2=\r\n"
                                            "Email3=\r\nEmail4=\r\nEmail5=e@f.g\r\n"));

        const auto read = MmsNetCfg::parse(MmsNetCfg::lines(v), path);
        QVERIFY(read.status.ok);
        QVERIFY(read.values == v);
    }

    void header_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("mms");
        QTest::newRow("[MMS]") << "[MMS]" << true;
        QTest::newRow("XMMS") << "XMMS" << true;
        QTest::newRow("more after it") << "[MMSX] y" << true;
        QTest::newRow("lower case") << "[mms]" << false;
        QTest::newRow("SMTP file") << "[SMTP]" << false;
        QTest::newRow("MMS at the start") << "MMS" << false;
        QTest::newRow("too short") << "[MM" << false;
        QTest::newRow("empty") << "" << false;
    }
    void header()
    {
        QFETCH(QString, line);
        QFETCH(bool, mms);
        QCOMPARE(MmsNetCfg::isMmsHeader(line), mms);
    }

    void parseRefusesAShortFile()
    {
        const QStringList lines = MmsNetCfg::lines({}).mid(0, 14);
        const auto read = MmsNetCfg::parse(lines, "/card/NET.CFG");
        QVERIFY(!read.status.ok);
        QVERIFY(read.status.message.contains(QDir::toNativeSeparators("/card/NET.CFG")));
        QVERIFY(read.status.message.contains("14"));
    }
};

QTEST_GUILESS_MAIN(tst_MmsNetCfg)
#include "tst_mmsnetcfg.moc"

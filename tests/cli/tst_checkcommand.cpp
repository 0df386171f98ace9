#include "cli/CameraCfgCommand.h"
#include "cli/CheckCommand.h"
#include "cli/MmsIniCommand.h"
#include "cli/NetCfgCommand.h"
#include "support/WorkingFolder.h"

#include "CommandRun.h"

#include <QTest>

using namespace rx20::cli;
using rx20::test::CommandRun;
using rx20::test::WorkingFolder;

class tst_CheckCommand : public QObject
{
    Q_OBJECT

private slots:
    void passesWhatTheCommandsGenerate_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        const QStringList sendTo{"--phone", "07700900123", "--email", "me@example.com"};
        QTest::newRow("mms-ini") << QStringList{"--country", "United Kingdom"} + sendTo << "MMS.INI"
                                 << "mms-ini";
        QTest::newRow("mail") << QStringList{"--variant", "mail", "--country", "Slovakia"} + sendTo
                              << "NET.CFG"
                              << "net-cfg-mail";
        QTest::newRow("camera") << QStringList{} << "CAMERA.CFG"
                                << "camera-cfg";
    }

    void passesWhatTheCommandsGenerate()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QFETCH(QString, kind);
        WorkingFolder working;
        const int written = kind == QLatin1String("mms-ini")
                                ? CommandRun::of(MmsIniCommand(), arguments).status
                            : file == QLatin1String("NET.CFG")
                                ? CommandRun::of(NetCfgCommand(), arguments).status
                                : CommandRun::of(CameraCfgCommand(), arguments).status;
        QCOMPARE(written, 0);
        const CommandRun check = CommandRun::of(CheckCommand(), {file});
        QCOMPARE(check.out, QStringLiteral("%1: ok (%2)\n").arg(file, kind));
        QCOMPARE(check.status, 0);
    }

    // Values a camera cannot use are findings; a preset whose newer public data differs is
    // only a note.
    void flagsWhatACameraCannotUse_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("printed");
        const auto url = [](const char *name, const char *value) {
            QTest::newRow(name) << QStringList{"--url", value, "--apn", "mms.example"} << 1
                                << QStringLiteral("MMS.INI:2: url: URL \"%1\" is not an http:// or "
                                                  "https:// address with a host\n")
                                       .arg(value);
        };
        url("one slash", "http:/mms.heyah.pl/servlets/mms");
        url("misspelled scheme", "htp://mms.example.com");
        url("no scheme", "mms.example.com/servlets/mms");
        url("blank before", " http://mmsc.sunrise.ch");
        url("no host", "http://");
        url("host with a blank", "http://mms example.com/");
        url("word for a port", "http://mms.example.com:mms/");
        const QStringList server{"--url", "http://mms.example.com/", "--apn", "mms.example"};
        QTest::newRow("proxy address") << server + QStringList{"--ip", "10.0.0.256"} << 1
                                       << "MMS.INI:4: ip: IP \"10.0.0.256\" is neither an IPv4 "
                                          "address nor a host name\n";
        QTest::newRow("proxy port") << server + QStringList{"--port", "80 80"} << 1
                                    << "MMS.INI:5: port: Port \"80 80\" is not a port number "
                                       "(1-65535)\n";
        for (const char *fine : {"https://mms.example.com:8002/mms?x=1", "http://10.0.0.1",
                                 "http://172.024.97.152:10021/mmsc"})
            QTest::newRow(fine) << QStringList{"--url", fine, "--apn", "mms.example"} << 0
                                << "MMS.INI: ok (mms-ini)\n";
        QTest::newRow("newer public data")
            << QStringList{"--country", "Canada", "--operator", "Roger"} << 0
            << "MMS.INI:3: note: APN \"rogers-core-appl1.apn\" is the catalogue's value for "
               "Canada / Roger; newer public data writes \"ltemobile.apn\" (apns-conf-2024-10.xml "
               "carrier=\"Rogers Internet\" mcc=\"302\" mnc=\"720\")\n"
               "MMS.INI:4: note: IP \"10.128.1.69\" is the catalogue's value for Canada / Roger; "
               "newer public data writes \"mmsproxy.rogers.com\" (apns-conf-2024-10.xml "
               "carrier=\"Rogers Internet\" mcc=\"302\" mnc=\"720\")\n"
               "MMS.INI: ok (mms-ini)\n";
        QTest::newRow("successor's public data")
            << QStringList{"--country", "United Kingdom", "--operator", "T-Mobile"} << 0
            << "MMS.INI:2: note: URL \"http://mmsc.t-mobile.co.uk:8002\" is the catalogue's value "
               "for United Kingdom / T-Mobile; EE, which took over its network, writes "
               "\"http://mms/\" (apns-conf-2024-10.xml carrier=\"EE MMS\" mcc=\"234\" "
               "mnc=\"30\")\n"
               "MMS.INI:3: note: APN \"general.t-mobile.uk\" is the catalogue's value for United "
               "Kingdom / T-Mobile; EE, which took over its network, writes \"eezone\" "
               "(apns-conf-2024-10.xml carrier=\"EE MMS\" mcc=\"234\" mnc=\"30\")\n"
               "MMS.INI: ok (mms-ini)\n";
        QTest::newRow("newer and successor's public data")
            << QStringList{"--country", "Austria", "--operator", "One"} << 0
            << "MMS.INI:2: note: URL \"http://mmsc.one.at/mms/wapenc\" is the catalogue's value "
               "for Austria / One; newer public data writes \"http://mmsc.orange.at/mms/wapenc\" "
               "(apns-conf-2016-12.xml carrier=\"Orange AT-MMS\" mcc=\"232\" mnc=\"05\")\n"
               "MMS.INI:2: note: URL \"http://mmsc.one.at/mms/wapenc\" is the catalogue's value "
               "for Austria / One; Drei, which took over its network, writes \"http://mmsc\" "
               "(apns-conf-2024-10.xml carrier=\"3 AT\" mcc=\"232\" mnc=\"05\")\n"
               "MMS.INI:3: note: APN \"mms.one.at\" is the catalogue's value for Austria / One; "
               "newer public data writes \"orange.mms\" (apns-conf-2016-12.xml carrier=\"Orange "
               "AT-MMS\" mcc=\"232\" mnc=\"05\")\n"
               "MMS.INI:3: note: APN \"mms.one.at\" is the catalogue's value for Austria / One; "
               "Drei, which took over its network, writes \"drei.at\" (apns-conf-2024-10.xml "
               "carrier=\"3 AT\" mcc=\"232\" mnc=\"05\")\n"
               "MMS.INI:4: note: IP \"194.024.128.118\" is the catalogue's value for Austria / "
               "One; Drei, which took over its network, writes \"213.94.78.133\" "
               "(apns-conf-2024-10.xml carrier=\"3 AT\" mcc=\"232\" mnc=\"05\")\n"
               "MMS.INI: ok (mms-ini)\n";
    }

    void flagsWhatACameraCannotUse()
    {
        QFETCH(QStringList, values);
        QFETCH(int, status);
        QFETCH(QString, printed);
        WorkingFolder working;
        const QStringList sendTo{"--phone", "1", "--email", "me@example.com"};
        QCOMPARE(CommandRun::of(MmsIniCommand(), sendTo + values).status, 0);
        const CommandRun check = CommandRun::of(CheckCommand(), {"MMS.INI"});
        QCOMPARE(check.out, printed);
        QCOMPARE(check.status, status);
    }

    void flagsABrokenFile()
    {
        WorkingFolder working;
        const QStringList values{"--phone", "1",     "--email", "me@example.com", "--port",
                                 "8o",      "--apn", "mms",     "--url",          "http://mms/"};
        QCOMPARE(CommandRun::of(MmsIniCommand(), values).status, 0);
        QVERIFY(working.write("MMS.INI", working.read("MMS.INI").replace("\r\n", "\n")));

        const CommandRun check = CommandRun::of(CheckCommand(), {"MMS.INI"});
        QCOMPARE(check.status, 1);
        QCOMPARE(check.out,
                 QStringLiteral("MMS.INI:1: line-end: ends in LF alone where the camera expects CR "
                                "LF (so do 24 more lines)\n"
                                "MMS.INI:5: port: Port \"8o\" is not a port number (1-65535)\n"));
    }
};

QTEST_GUILESS_MAIN(tst_CheckCommand)
#include "tst_checkcommand.moc"

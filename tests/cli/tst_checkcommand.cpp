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

    void flagsABrokenFile()
    {
        WorkingFolder working;
        const QStringList values{"--phone", "1", "--email", "me@example.com", "--port", "8o"};
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

#include <QProcess>
#include <QTest>

// The installed program as a script runs it.
class tst_Cli : public QObject
{
    Q_OBJECT

    struct Outcome
    {
        int status;
        QString out;
        QString err;
    };

    static Outcome run(const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral(RX20_CONFIG), arguments);
        if (!process.waitForFinished(30000))
            return {-1, {}, process.errorString()};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

private slots:
    void badArgumentsGiveOneLineAndStatus2_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"generate"};
        QTest::newRow("unknown option") << QStringList{"--verbose"};
        QTest::newRow("unknown option of a command") << QStringList{"show", "--xml", "MMS.INI"};
        QTest::newRow("missing value") << QStringList{"mms-ini", "--phone"};
        QTest::newRow("missing file") << QStringList{"check"};
        QTest::newRow("two files") << QStringList{"show", "a", "b"};
        QTest::newRow("bad copy") << QStringList{"catalogue", "--copy", "camera"};
        QTest::newRow("bad kind") << QStringList{"check", "--kind", "ini", "x"};
        QTest::newRow("file to check missing") << QStringList{"check", "/absent/MMS.INI"};
        QTest::newRow("option the window has no box for")
            << QStringList{"net-cfg", "--variant", "smtp", "--phone", "1"};
        QTest::newRow("sixth phone")
            << QStringList{"mms-ini", "--phone", "1",       "--phone", "2",       "--phone", "3",
                           "--phone", "4",       "--phone", "5",       "--phone", "6"};
        QTest::newRow("operator of another country")
            << QStringList{"mms-ini", "--country", "Spain", "--operator", "BT"};
    }

    void badArgumentsGiveOneLineAndStatus2()
    {
        QFETCH(QStringList, arguments);
        const Outcome outcome = run(arguments);
        QCOMPARE(outcome.status, 2);
        QCOMPARE(outcome.out, QString());
        QCOMPARE(outcome.err.count('\n'), 1);
        QVERIFY2(outcome.err.startsWith("rx20-config: "), qPrintable(outcome.err));
    }

    void helpOnEveryCommand_data()
    {
        QTest::addColumn<QString>("command");
        for (const char *command :
             {"catalogue", "mms-ini", "net-cfg", "camera-cfg", "show", "check"})
            QTest::newRow(command) << command;
    }

    void helpOnEveryCommand()
    {
        QFETCH(QString, command);
        const Outcome outcome = run({command, "--help"});
        QCOMPARE(outcome.status, 0);
        QVERIFY(outcome.out.startsWith("Usage: rx20-config " + command + " [options]"));
        QVERIFY(run({"--help"}).out.contains("\n  " + command + " "));
    }
};

QTEST_GUILESS_MAIN(tst_Cli)
#include "tst_cli.moc"

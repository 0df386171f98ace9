#include "cli/CheckCommand.h"
#include "cli/NetCfgCommand.h"
#include "cli/ShowCommand.h"
#include "smtp/MailNetCfg.h"
#include "support/WorkingFolder.h"

#include "CommandRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using rx20::MailNetCfg;
using rx20::MailNetCfgValues;
using rx20::cli::ShowCommand;
using rx20::test::CommandRun;
using rx20::test::WorkingFolder;

class tst_ShowCommand : public QObject
{
    Q_OBJECT

private slots:
    // What net-cfg --variant mail scrambles, show gives back, for ASCII text.
    void invertsTheMailVariant()
    {
        QString everyPrintable;
        for (char c = 0x20; c < 0x7F; ++c)
            everyPrintable += QLatin1Char(c);
        const QList<std::tuple<QString, QString, QString>> values{
            {"apn", "APN", "Internet.T-Mobile_2"},
            {"server", "Server", "smtp.example.com"},
            {"server-port", "Port", "587"},
            {"sender", "Sender", "Cam.01@Example.COM"},
            {"password", "Password", everyPrintable},
            {"email", "Email1", "ops+cam@example.org"},
            {"ssl", "SSL", "no"},
            {"phone", "Phone1", "+44 (0)7700 900123"},
            {"apn-account", "APNAccount", "user/1:2"},
            {"apn-password", "APNPassword", "\tTab and = sign"}};
        WorkingFolder working;
        QStringList arguments{"--variant", "mail"};
        for (const auto &[option, key, value] : values)
            arguments << "--" + option << value;
        QCOMPARE(CommandRun::of(rx20::cli::NetCfgCommand(), arguments).status, 0);
        QVERIFY(MailNetCfg::isScrambled(working.read("NET.CFG")));

        const CommandRun show = CommandRun::of(ShowCommand(), {"NET.CFG"});
        QCOMPARE(show.status, 0);
        QCOMPARE(show.value("kind"), QStringLiteral("net-cfg-mail"));
        QCOMPARE(show.value("scrambled"), QStringLiteral("yes"));
        // A tab is printed escaped.
        for (const auto &[option, key, value] : values)
            QCOMPARE(show.value(key), key == QLatin1String("SSL")
                                          ? QStringLiteral("0")
                                          : QString(value).replace('\t', QLatin1String("\\t")));
    }

    // What a file holds reaches the terminal escaped, in values and in error
    // texts; with --json errors are JSON, and the exit status stays.
    void escapesControlCharacters_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QByteArray rest;
        for (int line = 3; line <= 25; ++line)
            rest += "X=\r\n";
        const QByteArray clears = "[MMS]\r\nURL=\x1b[2J\tred\x81\r\n" + rest;
        QTest::newRow("show, a value") << "show" << clears << QStringList{"--kind", "mms-ini"} << 0
                                       << "URL=\\x1b[2J\\tred\\x81\n"
                                       << QString();
        QTest::newRow("check, a finding")
            << "check"
            << QByteArray("[MMS]\r\nURL=\r\nAPN=\r\nIP=\r\nPort=8\x1b[2J\r\n") + rest.mid(12)
            << QStringList{"--kind", "mms-ini"} << 1 << "Port \"8\\x1b[2J\"" << QString();
        const QByteArray garbage = "\x1b]0;title\x07\x01\x81" "garbage\r\n";
        const QString unknown = QStringLiteral(
            "Cannot tell which settings file g.bin is: its first line is \"%1\". Name its kind "
            "with --kind.");
        QTest::newRow("show, an error text")
            << "show" << garbage << QStringList() << 2 << QString()
            << "rx20-config: " + unknown.arg("\\x1b]0;title\\x07\\x01\\x81garbage") + "\n";
        // With --json, out is the error JSON holds.
        QTest::newRow("check, an error text as JSON")
            << "check" << garbage << QStringList{"--json"} << 2
            << unknown.arg(QString::fromLatin1("\x1b]0;title\x07\x01\x81" "garbage")) << QString();
        QTest::newRow("show, a bad option as JSON")
            << "show" << clears << QStringList{"--json", "--kind", "x"} << 2
            << "show: --kind takes mms-ini, net-cfg-smtp, net-cfg-mail, net-cfg-mms, camera-cfg "
               "(see rx20-config show --help)"
            << QString();
    }

    void escapesControlCharacters()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        WorkingFolder working;
        QFile file(working.file("g.bin"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const QStringList arguments = QStringList{"g.bin"} + options;
        const CommandRun run = command == QLatin1String("show")
                                   ? CommandRun::of(ShowCommand(), arguments)
                                   : CommandRun::of(rx20::cli::CheckCommand(), arguments);
        QCOMPARE(run.status, status);
        if (options.contains("--json"))
            QCOMPARE(QJsonDocument::fromJson(run.out.toUtf8()).object().value("error").toString(),
                     out);
        else
            QVERIFY2(run.out.contains(out), qPrintable(run.out));
        QCOMPARE(run.err, err);
        for (const QChar c : run.out + run.err)
            QVERIFY2(c == '\n' || !(c < ' ' || (c >= QChar(0x7f) && c < QChar(0xa0))),
                     qPrintable(run.out + run.err));
    }

    // The code page here is windows-1252: it has a character at most of the
    // bytes the table makes out of lower-case letters and signs.
    void namesTheAmbiguousBytes_data()
    {
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("positions");
        QTest::newRow("upper case and digits") << "AB-12"
                                               << "AB-12"
                                               << "<no ambiguous.Sender>";
        QTest::newRow("lower case and signs") << "x.y"
                                              << "x.y"
                                              << "1,2,3";
        QTest::newRow("a byte the code page leaves empty") << "n"
                                                           << "n"
                                                           << "<no ambiguous.Sender>";
        QTest::newRow("euro sign, read as a") << "A\u20ac"
                                              << "Aa"
                                              << "2";
        QTest::newRow("n with tilde: no line end in a value") << "A\u00f1"
                                                              << "A\u00f1"
                                                              << "<no ambiguous.Sender>";
    }

    void namesTheAmbiguousBytes()
    {
        QFETCH(QString, sender);
        QFETCH(QString, shown);
        QFETCH(QString, positions);
        WorkingFolder working;
        MailNetCfgValues values;
        values.sender = sender;
        QVERIFY(MailNetCfg::write(working.file("NET.CFG"), values));

        const CommandRun show = CommandRun::of(ShowCommand(), {"NET.CFG"});
        QCOMPARE(show.value("Sender"), shown);
        QCOMPARE(show.value("ambiguous.Sender"), positions);
        QCOMPARE(show.value("APNPassword"), QString()); // the last line is still found

        const QJsonObject json =
            QJsonDocument::fromJson(
                CommandRun::of(ShowCommand(), {"NET.CFG", "--json"}).out.toUtf8())
                .object();
        QCOMPARE(json.value("settings").toObject().value("Sender").toString(), shown);
        if (sender == QStringLiteral("A\u20ac")) {
            const QJsonObject doubt =
                json.value("ambiguous").toObject().value("Sender").toArray().at(0).toObject();
            QCOMPARE(doubt.value("byte").toString(), QStringLiteral("80"));
            QCOMPARE(doubt.value("taken").toString(), QStringLiteral("a"));
            QCOMPARE(doubt.value("other").toString(), QStringLiteral("\u20ac"));
        }
    }
};

QTEST_GUILESS_MAIN(tst_ShowCommand)
#include "tst_showcommand.moc"

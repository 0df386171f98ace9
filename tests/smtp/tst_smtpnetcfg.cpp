#include "smtp/SmtpNetCfg.h"

#include <QTest>

using rx20::SettingsFile;
using rx20::SmtpNetCfg;
using rx20::SmtpNetCfgValues;

class tst_SmtpNetCfg : public QObject
{
    Q_OBJECT

private slots:
    // Only the exact text "No SSL" turns SSL off.
    void sslFor_data()
    {
        QTest::addColumn<QString>("smtpType");
        QTest::addColumn<bool>("ssl");
        QTest::newRow("No SSL") << "No SSL" << false;
        QTest::newRow("lower case") << "no ssl" << true;
        QTest::newRow("trailing blank") << "No SSL " << true;
        QTest::newRow("empty") << "" << true;
    }
    void sslFor()
    {
        QFETCH(QString, smtpType);
        QFETCH(bool, ssl);
        QCOMPARE(SmtpNetCfg::sslFor(smtpType), ssl);
    }

    // Characters 2 to 5 decide, case-sensitively; the rest of the line does not count.
    void isSmtpHeader_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("smtp");
        QTest::newRow("written header") << "[SMTP]" << true;
        QTest::newRow("other brackets") << "xSMTPy" << true;
        QTest::newRow("no closing bracket") << "[SMTP" << true;
        QTest::newRow("lower case") << "[smtp]" << false;
        QTest::newRow("no first character") << "SMTP" << false;
        QTest::newRow("empty") << "" << false;
    }
    void isSmtpHeader()
    {
        QFETCH(QString, line);
        QFETCH(bool, smtp);
        QCOMPARE(SmtpNetCfg::isSmtpHeader(line), smtp);
    }

    // Values by position: keys are cut off by their length, not compared. The
    // SSL line must be there but does not count; the empty last line may be missing.
    void parse_data()
    {
        QTest::addColumn<int>("count"); // lines of the file below given to parse
        QTest::newRow("an extra line") << 14;
        QTest::newRow("no empty last line") << 12;
        QTest::newRow("no SSL line") << 11;
    }
    void parse()
    {
        QFETCH(int, count);
        const QStringList file = QStringLiteral("[SMTP]|apn:cmnet|Server|Port=465|Sender=me@x|"
                                                "Password=pw|Email1=a@x|Email2=|Email3=c@x|"
                                                "Email4=d@x|Email5=e@x|SSL=1||Extra=ignored")
                                     .split('|');
        const auto read = SmtpNetCfg::parse(file.mid(0, count), "/card/NET.CFG");
        QCOMPARE(read.status.ok, count >= 12);
        if (count < 12) {
            QCOMPARE(read.status.message,
                     SettingsFile::tooShort("/card/NET.CFG", 12, count).message);
            QCOMPARE(read.values, SmtpNetCfgValues{});
        } else {
            // "Server" is shorter than its key: an empty value.
            const SmtpNetCfgValues expected{
                "cmnet", "", "465", "me@x", "pw", {"a@x", "", "c@x", "d@x", "e@x"}, false};
            QCOMPARE(read.values, expected);
        }
    }
};

QTEST_GUILESS_MAIN(tst_SmtpNetCfg)
#include "tst_smtpnetcfg.moc"

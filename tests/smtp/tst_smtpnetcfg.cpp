#include "smtp/SmtpNetCfg.h"

#include <QTest>

using rx20::SettingsFile;
using rx20::SmtpNetCfg;
using rx20::SmtpNetCfgValues;

class tst_SmtpNetCfg : public QObject
{
    Q_OBJECT

private:
    static QStringList fileLines()
    {
        return {"[SMTP]",      "APN=cmnet",   "Server=smtp.aol.com", "Port=465",   "Sender=me@x",
                "Password=pw", "Email1=a@x",  "Email2=",             "Email3=c@x", "Email4=d@x",
                "Email5=e@x",  "SSL=1",       ""};
    }

private slots:
    void sslFor_data()
    {
        QTest::addColumn<QString>("smtpType");
        QTest::addColumn<bool>("ssl");
        QTest::newRow("No SSL") << "No SSL" << false;
        QTest::newRow("SSL") << "SSL" << true;
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

    void isSmtpHeader_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("smtp");
        QTest::newRow("written header") << "[SMTP]" << true;
        QTest::newRow("other brackets") << "xSMTPy" << true;
        QTest::newRow("no closing bracket") << "[SMTP" << true;
        QTest::newRow("lower case") << "[smtp]" << false;
        QTest::newRow("mixed case") << "[Smtp]" << false;
        QTest::newRow("no first character") << "SMTP" << false;
        QTest::newRow("MMS") << "[MMS]" << false;
        QTest::newRow("empty") << "" << false;
    }
    void isSmtpHeader()
    {
        QFETCH(QString, line);
        QFETCH(bool, smtp);
        QCOMPARE(SmtpNetCfg::isSmtpHeader(line), smtp);
    }

    void parseTakesValuesByPosition()
    {
        QStringList lines = fileLines();
        lines[1] = "apn:cmnet";  // key not compared, only its length counts
        lines[2] = "Server";     // shorter than the key: empty value
        lines[5] = "Password=";  // key alone: empty value
        lines.append("Extra=ignored");
        const auto read = SmtpNetCfg::parse(lines, "/card/NET.CFG");
        QVERIFY2(read.status.ok, qPrintable(read.status.message));
        QCOMPARE(read.values.apn, QString("cmnet"));
        QCOMPARE(read.values.server, QString());
        QCOMPARE(read.values.port, QString("465"));
        QCOMPARE(read.values.sender, QString("me@x"));
        QCOMPARE(read.values.password, QString());
        QCOMPARE(read.values.emails, (std::array<QString, 5>{"a@x", "", "c@x", "d@x", "e@x"}));
        // The SSL line is there but does not count.
        QCOMPARE(read.values.ssl, false);
    }

    void parseNeedsTwelveLines_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("ok");
        QTest::newRow("header only") << 1 << false;
        QTest::newRow("no SSL line") << 11 << false;
        QTest::newRow("no empty last line") << 12 << true;
    }
    void parseNeedsTwelveLines()
    {
        QFETCH(int, count);
        QFETCH(bool, ok);
        const auto read = SmtpNetCfg::parse(fileLines().mid(0, count), "/card/NET.CFG");
        QCOMPARE(read.status.ok, ok);
        if (!ok) {
            QCOMPARE(read.status.message,
                     SettingsFile::tooShort("/card/NET.CFG", 12, count).message);
            QCOMPARE(read.values, SmtpNetCfgValues{});
        }
    }
};

QTEST_GUILESS_MAIN(tst_SmtpNetCfg)
#include "tst_smtpnetcfg.moc"

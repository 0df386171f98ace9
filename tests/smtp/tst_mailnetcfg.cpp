#include "smtp/MailNetCfg.h"
#include "smtp/Scrambler.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using rx20::MailNetCfg;
using rx20::MailNetCfgValues;
using rx20::Scrambler;

namespace {

MailNetCfgValues sample()
{
    MailNetCfgValues v;
    v.apn = "internet.t-mobile.sk";
    v.server = "smtp.mail.example";
    v.port = "25";
    v.sender = "cam@example.org";
    v.password = "s3cret=1";
    v.emails = {"a@x.org", "", "c@x.org", "", "e@x.org"};
    v.ssl = "0";
    v.phone1 = "+421900123456";
    v.apnAccount = "gprs";
    v.apnPassword = "gprs pw";
    return v;
}

// The plain file for sample(), written out by hand.
const QByteArray samplePlain = "[SMTP]\r\n"
                               "APN=internet.t-mobile.sk\r\n"
                               "Server=smtp.mail.example\r\n"
                               "Port=25\r\n"
                               "Sender=cam@example.org\r\n"
                               "Password=s3cret=1\r\n"
                               "Email1=a@x.org\r\n"
                               "Email2=\r\n"
                               "Email3=c@x.org\r\n"
                               "Email4=\r\n"
                               "Email5=e@x.org\r\n"
                               "SSL=0\r\n"
                               "Phone1=+421900123456\r\n"
                               "APNAccount=gprs\r\n"
                               "APNPassword=gprs pw\r\n";

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class tst_MailNetCfg : public QObject
{
    Q_OBJECT

private slots:
    void linesOfEmptyValues()
    {
        const QStringList expected{"[SMTP]",  "APN=",    "Server=", "Port=",   "Sender=",
                                   "Password=", "Email1=", "Email2=", "Email3=", "Email4=",
                                   "Email5=", "SSL=",    "Phone1=", "APNAccount=",
                                   "APNPassword="};
        QCOMPARE(MailNetCfg::lines(MailNetCfgValues()), expected);
    }

    void writeScramblesThePlainFileInOneGo()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("NET.CFG");
        QVERIFY(MailNetCfg::write(path, sample()).ok);
        const QByteArray bytes = readAll(path);
        QCOMPARE(bytes, Scrambler::scramble(samplePlain));
        QVERIFY(bytes.startsWith(QByteArray::fromHex("FF736D7470FEF2F1")));
        QVERIFY(!bytes.contains('\r'));
        QVERIFY(!bytes.contains('\n'));
        // Nothing else, such as a plain temporary copy, is left in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"NET.CFG"});
    }

    void writeHandlesLongFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("NET.CFG");
        MailNetCfgValues v;
        v.sender = QString(40000, 'x');
        QVERIFY(MailNetCfg::write(path, v).ok);
        const QByteArray bytes = readAll(path);
        // Far past 32767 bytes, and still every byte scrambled.
        QCOMPARE(bytes.size(), 40000 + 137);
        QCOMPARE(bytes, Scrambler::scramble("[SMTP]\r\nAPN=\r\nServer=\r\nPort=\r\nSender="
                                            + QByteArray(40000, 'x')
                                            + "\r\nPassword=\r\nEmail1=\r\nEmail2=\r\nEmail3=\r\n"
                                              "Email4=\r\nEmail5=\r\nSSL=\r\nPhone1=\r\n"
                                              "APNAccount=\r\nAPNPassword=\r\n"));
    }

    void failedWriteKeepsPreviousFile_data()
    {
        QTest::addColumn<QString>("target"); // relative to the temporary folder
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("reason");
        QTest::newRow("line break in a value") << "NET.CFG" << "a\nb" << "line break";
        QTest::newRow("missing folder") << "nope/NET.CFG" << "pw" << "does not exist";
        QTest::newRow("folder in the way") << "in-the-way" << "pw" << "in the way";
    }
    void failedWriteKeepsPreviousFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, password);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("in-the-way"));
        const QByteArray previous = "previous file";
        QVERIFY(writeAll(dir.filePath("NET.CFG"), previous));

        MailNetCfgValues v = sample();
        v.password = password;
        const auto status = MailNetCfg::write(dir.filePath(target), v);
        QVERIFY(!status.ok);
        QVERIFY2(status.message.contains(reason), qPrintable(status.message));
        QCOMPARE(readAll(dir.filePath("NET.CFG")), previous);
    }

    void parseTakesValuesByPosition()
    {
        // Keys are not compared: each value starts one past the key the
        // writer puts there, whatever the line holds.
        const QStringList file{"anything",     "APN:apn",     "Server=smtp.x=y", "Po",
                               "Sender=",      "Password=pw", "Email1=e1",       "Email2=e2",
                               "Email3=e3",    "Email4=e4",   "Email5=e5",       "SSL=1",
                               "Phone1=12345", "APNAccount=name", "APNPassword= p ", "extra"};
        MailNetCfgValues v;
        QVERIFY(MailNetCfg::parse(file, "NET.CFG", &v).ok);
        QCOMPARE(v.apn, QString("apn"));
        QCOMPARE(v.server, QString("smtp.x=y"));
        QCOMPARE(v.port, QString());
        QCOMPARE(v.sender, QString());
        QCOMPARE(v.password, QString("pw"));
        QCOMPARE(QStringList(v.emails.begin(), v.emails.end()),
                 QStringList({"e1", "e2", "e3", "e4", "e5"}));
        QCOMPARE(v.ssl, QString("1"));
        QCOMPARE(v.phone1, QString("12345"));
        QCOMPARE(v.apnAccount, QString("name"));
        QCOMPARE(v.apnPassword, QString(" p "));

        // What the writer writes, the reader gives back.
        MailNetCfgValues back;
        QVERIFY(MailNetCfg::parse(MailNetCfg::lines(sample()), "NET.CFG", &back).ok);
        QCOMPARE(MailNetCfg::lines(back), MailNetCfg::lines(sample()));
    }

    void readRefusesWhatItCannotRead_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << false << "does not exist";
        QTest::newRow("14 lines") << QByteArray(samplePlain).replace("APNPassword=gprs pw\r\n", "")
                                  << false << "it has 14 lines where 15 are needed";
        QTest::newRow("scrambled") << Scrambler::scramble(samplePlain) << false
                                   << "the file is scrambled and cannot be read back here";
        QTest::newRow("a folder") << QByteArray() << true << "Could not read";
    }
    void readRefusesWhatItCannotRead()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, folder);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("NET.CFG");
        if (folder)
            QVERIFY(QDir(dir.path()).mkdir("NET.CFG"));
        else if (!content.isEmpty())
            QVERIFY(writeAll(path, content));

        MailNetCfgValues v = sample();
        const auto status = MailNetCfg::read(path, &v);
        QVERIFY(!status.ok);
        QVERIFY2(status.message.contains(reason), qPrintable(status.message));
        QVERIFY2(status.message.contains(QDir::toNativeSeparators(path)), qPrintable(status.message));
        QCOMPARE(MailNetCfg::lines(v), MailNetCfg::lines(sample()));
    }
};

QTEST_GUILESS_MAIN(tst_MailNetCfg)
#include "tst_mailnetcfg.moc"

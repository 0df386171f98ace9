#include "smtp/MailNetCfg.h"
#include "smtp/Scrambler.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using rx20::FileStatus;
using rx20::MailNetCfg;
using rx20::MailNetCfgValues;
using rx20::Scrambler;

class tst_MailNetCfg : public QObject
{
    Q_OBJECT

private slots:
    void parseTakesValuesByPosition()
    {
        // Keys are not compared: each value starts one past the key the
        // writer puts there, whatever the line holds.
        const QStringList file{"anything",     "APN:apn",         "Server=smtp.x=y", "Po",
                               "Sender=",      "Password=pw",     "Email1=e1",       "Email2=e2",
                               "Email3=e3",    "Email4=e4",       "Email5=e5",       "SSL=1",
                               "Phone1=12345", "APNAccount=name", "APNPassword= p ", "extra"};
        MailNetCfgValues v;
        QVERIFY(MailNetCfg::parse(file, "NET.CFG", &v).ok);
        QCOMPARE(
            MailNetCfg::lines(v),
            QStringList({"[SMTP]", "APN=apn", "Server=smtp.x=y", "Port=", "Sender=", "Password=pw",
                         "Email1=e1", "Email2=e2", "Email3=e3", "Email4=e4", "Email5=e5", "SSL=1",
                         "Phone1=12345", "APNAccount=name", "APNPassword= p "}));

        // What the writer writes, the reader gives back.
        MailNetCfgValues back;
        QVERIFY(MailNetCfg::parse(MailNetCfg::lines(v), "NET.CFG", &back).ok);
        QCOMPARE(MailNetCfg::lines(back), MailNetCfg::lines(v));
    }

    // The scrambled bytes are made in memory and written in one step: files
    // far past 32767 bytes work, and no plain or temporary copy is left.
    void writeScramblesLongFilesInOneGo()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("NET.CFG");
        MailNetCfgValues v;
        v.sender = QString(40000, 'x');
        v.ssl = "1";
        QVERIFY(MailNetCfg::write(path, v).ok);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 Scrambler::scramble("[SMTP]\r\nAPN=\r\nServer=\r\nPort=\r\nSender="
                                     + QByteArray(40000, 'x')
                                     + "\r\nPassword=\r\nEmail1=\r\nEmail2=\r\nEmail3=\r\n"
                                       "Email4=\r\nEmail5=\r\nSSL=1\r\nPhone1=\r\n"
                                       "APNAccount=\r\nAPNPassword=\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"NET.CFG"});
    }

    // "òñ" passes the scrambler as the bytes of a scrambled CR LF, so the
    // card would show a line break inside the value: refused, old file kept.
    void writeRefusesAValueThatScramblesToALineEnd()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("NET.CFG");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("kept") == 4);
        old.close();
        MailNetCfgValues v;
        v.password = QString::fromUtf8("xòñy");
        const FileStatus status = MailNetCfg::write(path, v);
        QVERIFY(!status.ok);
        QVERIFY2(status.message.startsWith("The value of \"Password=\""),
                 qPrintable(status.message));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("kept"));
        old.close(); // Windows replaces no file that is open
        v.password = QString::fromUtf8("ñò");
        QVERIFY(MailNetCfg::write(path, v).ok);
    }
};

QTEST_GUILESS_MAIN(tst_MailNetCfg)
#include "tst_mailnetcfg.moc"

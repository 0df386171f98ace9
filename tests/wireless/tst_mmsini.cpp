#include "ui/SettingsFile.h"
#include "wireless/MmsIni.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using rx20::MmsIni;
using rx20::MmsIniValues;
using rx20::SettingsFile;

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

MmsIniValues typical()
{
    MmsIniValues v;
    v.url = "mms.example.net:8002/servlets/mms";
    v.apn = "mms.example";
    v.ip = "010.000.000.001";
    v.port = "8080";
    v.phones = {"+441234567890", "2", "", " ", "5"};
    v.emails = {"one@example.com", "", "three@example.com", "", "five@example.com"};
    v.server = "smtp.example.com";
    v.ePort = "25";
    v.sender = "camera@example.com";
    v.password = "secret pass ";
    return v;
}

const QStringList typicalLines = {
    "[MMS]",
    "URL=mms.example.net:8002/servlets/mms",
    "APN=mms.example",
    "IP=010.000.000.001",
    "Port=8080",
    "Phone1=+441234567890",
    "Phone2=2",
    "Phone3=",
    "Phone4= ",
    "Phone5=5",
    "Email1=one@example.com",
    "Email2=",
    "Email3=three@example.com",
    "Email4=",
    "Email5=five@example.com",
    "Server=smtp.example.com",
    "ePort=25",
    "eAPN=mms.example",
    "Sender=camera@example.com",
    "Password=secret pass ",
    "Reciver1=one@example.com",
    "Reciver2=",
    "Reciver3=three@example.com",
    "Reciver4=",
    "Reciver5=five@example.com",
};

} // namespace

class tst_MmsIni : public QObject
{
    Q_OBJECT

private slots:
    void fileName() { QCOMPARE(MmsIni::fileName(), QStringLiteral("MMS.INI")); }

    void linesOfTypicalValues() { QCOMPARE(MmsIni::lines(typical()), typicalLines); }

    void emptyValuesEndRightAfterTheEqualsSign()
    {
        const QStringList lines = MmsIni::lines(MmsIniValues{});
        QCOMPARE(lines.size(), 25);
        QCOMPARE(lines.at(0), QStringLiteral("[MMS]"));
        const QStringList keys = {
            "URL=",      "APN=",      "IP=",       "Port=",     "Phone1=",   "Phone2=",
            "Phone3=",   "Phone4=",   "Phone5=",   "Email1=",   "Email2=",   "Email3=",
            "Email4=",   "Email5=",   "Server=",   "ePort=",    "eAPN=",     "Sender=",
            "Password=", "Reciver1=", "Reciver2=", "Reciver3=", "Reciver4=", "Reciver5="};
        QCOMPARE(lines.mid(1), keys);
    }

    void apnAndEmailsAreWrittenTwice()
    {
        MmsIniValues v;
        v.apn = "internet";
        v.emails = {"a@b", "c@d", "e@f", "g@h", "i@j"};
        const QStringList lines = MmsIni::lines(v);
        QCOMPARE(lines.at(2), QStringLiteral("APN=internet"));
        QCOMPARE(lines.at(17), QStringLiteral("eAPN=internet"));
        for (int i = 0; i < 5; ++i) {
            const QString address = v.emails.at(std::size_t(i));
            QCOMPARE(lines.at(10 + i), QStringLiteral("Email%1=%2").arg(i + 1).arg(address));
            QCOMPARE(lines.at(20 + i), QStringLiteral("Reciver%1=%2").arg(i + 1).arg(address));
        }
    }

    void writeGivesTheBytesWithCrLfAfterEveryLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("MMS.INI");
        QVERIFY(MmsIni::write(path, typical()).ok);
        QCOMPARE(contents(path), typicalLines.join("\r\n").toLatin1() + "\r\n");
    }

    void writeUsesTheEightBitCodePage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("MMS.INI");
        MmsIniValues v;
        v.sender = QString::fromUtf8("café@example.com");
        QVERIFY(MmsIni::write(path, v).ok);
        QVERIFY(contents(path).contains("Sender=caf\xe9@example.com\r\n"));
    }

    void writeReplacesALongerFileWithExactly25Lines()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("MMS.INI");
        QByteArray old;
        for (int i = 0; i < 40; ++i)
            old += "Old line " + QByteArray::number(i) + " with some length to it\r\n";
        QVERIFY(put(path, old));
        QVERIFY(MmsIni::write(path, typical()).ok);
        const QByteArray now = contents(path);
        QCOMPARE(now.count("\r\n"), 25);
        QCOMPARE(now, typicalLines.join("\r\n").toLatin1() + "\r\n");
    }

    void aLineBreakInAValueIsRefusedAndTheOldFileStays_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("LF") << "mms\nx";
        QTest::newRow("CR") << "mms\rx";
        QTest::newRow("CR LF") << "mms\r\n";
    }
    void aLineBreakInAValueIsRefusedAndTheOldFileStays()
    {
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString path = dir.filePath("MMS.INI");
        QVERIFY(put(path, "old\r\n"));
        MmsIniValues v = typical();
        v.server = value;
        const auto status = MmsIni::write(path, v);
        QVERIFY(!status.ok);
        QVERIFY2(status.message.contains("Server="), qPrintable(status.message));
        QCOMPARE(contents(path), QByteArray("old\r\n"));
    }

    void writeIntoAMissingFolderFailsNamingTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("no-such-folder/MMS.INI");
        const auto status = MmsIni::write(path, typical());
        QVERIFY(!status.ok);
        QVERIFY2(status.message.contains(QDir::toNativeSeparators(path)),
                 qPrintable(status.message));
        QVERIFY2(status.message.contains("does not exist"), qPrintable(status.message));
        QVERIFY(!QFile::exists(path));
    }

    void parseWhatWriteWrites()
    {
        const auto read = MmsIni::parse(MmsIni::lines(typical()), "MMS.INI");
        QVERIFY(read.status.ok);
        QVERIFY(read.values == typical());
    }

    void theLaterLineWins()
    {
        QStringList lines = typicalLines;
        lines[2] = "APN=first";
        lines[17] = "eAPN=second";
        lines[10] = "Email1=early@example.com";
        lines[20] = "Reciver1=late@example.com";
        lines[14] = "Email5=early5";
        lines[24] = "Reciver5=";
        const auto read = MmsIni::parse(lines, "MMS.INI");
        QVERIFY(read.status.ok);
        QCOMPARE(read.values.apn, QStringLiteral("second"));
        QCOMPARE(read.values.emails.at(0), QStringLiteral("late@example.com"));
        QCOMPARE(read.values.emails.at(4), QString());
    }

    void keysAreNotComparedButCutByLength()
    {
        QStringList lines = typicalLines;
        lines[0] = "[SOMETHING ELSE]"; // line 1 is skipped, whatever it holds
        lines[1] = "ABC=host";         // other key, same length as "URL="
        lines[4] = "PORT:8008";        // "Port=" is five characters
        lines[15] = "Serveur";         // only a key's worth of characters
        lines[19] = "Pass";            // shorter than "Password="
        lines[3] = "IP";               // two characters where "IP=" needs three
        const auto read = MmsIni::parse(lines, "MMS.INI");
        QVERIFY(read.status.ok);
        QCOMPARE(read.values.url, QStringLiteral("host"));
        QCOMPARE(read.values.port, QStringLiteral("8008"));
        QCOMPARE(read.values.server, QString());
        QCOMPARE(read.values.password, QString());
        QCOMPARE(read.values.ip, QString());
        QCOMPARE(read.values.phones.at(0), QStringLiteral("+441234567890"));
    }

    void aLineOfOnlyItsKeyGivesAnEmptyValue()
    {
        QStringList lines = typicalLines;
        lines[1] = "URL=";
        const auto read = MmsIni::parse(lines, "MMS.INI");
        QVERIFY(read.status.ok);
        QCOMPARE(read.values.url, QString());
    }

    void valuesKeepTheirBlanks()
    {
        QStringList lines = typicalLines;
        lines[3] = "IP= 10.0.0.1 ";
        const auto read = MmsIni::parse(lines, "MMS.INI");
        QCOMPARE(read.values.ip, QStringLiteral(" 10.0.0.1 "));
        QCOMPARE(read.values.password, QStringLiteral("secret pass "));
        QCOMPARE(read.values.phones.at(3), QStringLiteral(" "));
    }

    void linesAfterThe25thAreIgnored()
    {
        QStringList lines = typicalLines;
        lines << "Reciver1=ignored"
              << "eAPN=ignored"
              << "";
        const auto read = MmsIni::parse(lines, "MMS.INI");
        QVERIFY(read.status.ok);
        QVERIFY(read.values == typical());
    }

    void fewerThan25LinesIsRefused_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("24") << 24;
    }
    void fewerThan25LinesIsRefused()
    {
        QFETCH(int, count);
        const QString path = QDir::fromNativeSeparators("/card/MMS.INI");
        const auto read = MmsIni::parse(typicalLines.mid(0, count), path);
        QVERIFY(!read.status.ok);
        QCOMPARE(read.status.message, SettingsFile::tooShort(path, 25, count).message);
        QVERIFY2(read.status.message.contains(QDir::toNativeSeparators(path)),
                 qPrintable(read.status.message));
        QVERIFY(read.values == MmsIniValues{});
    }

    void readOfAMissingFileFailsNamingIt()
    {
        QTemporaryDir dir;
        const auto read = MmsIni::read(dir.filePath("MMS.INI"));
        QVERIFY(!read.status.ok);
        QVERIFY2(read.status.message.contains("MMS.INI"), qPrintable(read.status.message));
        QVERIFY2(read.status.message.contains("does not exist"), qPrintable(read.status.message));
    }

    void readOfAShortFileFailsNamingIt()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("MMS.INI");
        QVERIFY(put(path, typicalLines.mid(0, 20).join("\r\n").toLatin1() + "\r\n"));
        const auto read = MmsIni::read(path);
        QVERIFY(!read.status.ok);
        QCOMPARE(read.status.message, SettingsFile::tooShort(path, 25, 20).message);
    }

    void readDecodesAndAcceptsOtherLineEnds()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("MMS.INI");
        QStringList lines = typicalLines;
        lines[18] = QString::fromUtf8("Sender=café@example.com");
        // LF line ends and no end after the last line.
        QVERIFY(put(path, lines.join("\n").toLatin1()));
        const auto read = MmsIni::read(path);
        QVERIFY(read.status.ok);
        QCOMPARE(read.values.sender, QString::fromUtf8("café@example.com"));
        QCOMPARE(read.values.emails.at(4), QStringLiteral("five@example.com"));
    }

    void writeThenReadRestoresEveryValue()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("MMS.INI");
        QVERIFY(MmsIni::write(path, typical()).ok);
        const auto read = MmsIni::read(path);
        QVERIFY(read.status.ok);
        QVERIFY(read.values == typical());
    }
};

QTEST_GUILESS_MAIN(tst_MmsIni)
#include "tst_mmsini.moc"

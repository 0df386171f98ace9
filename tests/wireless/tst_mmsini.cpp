#include "files/SettingsFile.h"
#include "wireless/MmsIni.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using rx20::MmsIni;
using rx20::MmsIniValues;

namespace {

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

// The file of typical(): keys as the camera spells them, the APN and the e-mails twice.
const QByteArray typicalFile =
    "[MMS]\r\nURL=mms.example.net:8002/servlets/mms\r\nAPN=mms.example\r\nIP=010.000.000.001\r\n"
    "Port=8080\r\nPhone1=+441234567890\r\nPhone2=2\r\nPhone3=\r\nPhone4= \r\nPhone5=5\r\n"
    "Email1=one@example.com\r\nEmail2=\r\nEmail3=three@example.com\r\nEmail4=\r\n"
    "Email5=five@example.com\r\nServer=smtp.example.com\r\nePort=25\r\neAPN=mms.example\r\n"
    "Sender=camera@example.com\r\nPassword=secret pass \r\nReciver1=one@example.com\r\n"
    "Reciver2=\r\nReciver3=three@example.com\r\nReciver4=\r\nReciver5=five@example.com\r\n";
const QStringList typicalLines = QString(typicalFile).split("\r\n").mid(0, 25);

} // namespace

Q_DECLARE_METATYPE(MmsIniValues)

class tst_MmsIni : public QObject
{
    Q_OBJECT

private slots:
    void writeGivesTheBytesAndReadGivesTheValuesBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(MmsIni::fileName());
        QVERIFY(MmsIni::write(path, typical()).ok);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), typicalFile);
        const auto read = MmsIni::read(path);
        QVERIFY(read.status.ok && read.values == typical());
    }

    void parse_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("failure"); // empty: the lines are read
        QTest::addColumn<MmsIniValues>("values");
        // Each row changes lines ("index:text") of the typical file.
        const auto row = [](const char *name, const QStringList &edits,
                            const std::function<void(MmsIniValues &)> &change) {
            QStringList lines = typicalLines;
            for (const QString &edit : edits) {
                const int index = edit.section(':', 0, 0).toInt();
                lines.resize(qMax(lines.size(), qsizetype(index + 1)));
                lines[index] = edit.section(':', 1);
            }
            MmsIniValues values = typical();
            change(values);
            QTest::newRow(name) << lines << QString() << values;
        };
        row("as written", {}, [](MmsIniValues &) {});
        row("the later line wins, lines after the 25th do not count",
            {"2:APN=first", "17:eAPN=second", "10:Email1=early", "20:Reciver1=late",
             "14:Email5=early5", "24:Reciver5=", "25:Reciver1=x", "26:eAPN=x"},
            [](MmsIniValues &v) {
                v.apn = "second";
                v.emails[0] = "late";
                v.emails[4] = "";
            });
        // Line 1 is skipped; a key is cut off by its length, not compared; blanks stay.
        row("values by position",
            {"0:[OTHER]", "1:ABC=host", "3:IP", "4:PORT:8008", "6:Phone2= 2 ", "15:Serveur",
             "19:Pass"},
            [](MmsIniValues &v) {
                v.url = "host";
                v.ip = "";
                v.port = "8008";
                v.phones[1] = " 2 ";
                v.server = "";
                v.password = "";
            });
        for (const int count : {0, 24})
            QTest::newRow(qPrintable(QString("%1 lines").arg(count)))
                << typicalLines.mid(0, count)
                << rx20::SettingsFile::tooShort("/card/MMS.INI", 25, count).message
                << MmsIniValues{};
    }
    void parse()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, failure);
        QFETCH(MmsIniValues, values);
        const auto read = MmsIni::parse(lines, "/card/MMS.INI");
        QCOMPARE(read.status.ok, failure.isEmpty());
        QCOMPARE(read.status.message, failure);
        QVERIFY2(read.values == values, qPrintable(MmsIni::lines(read.values).join(" | ")));
    }
};

QTEST_GUILESS_MAIN(tst_MmsIni)
#include "tst_mmsini.moc"

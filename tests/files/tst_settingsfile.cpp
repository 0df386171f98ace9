#include "files/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using rx20::SettingsFile;

class tst_SettingsFile : public QObject
{
    Q_OBJECT

private:
    static QByteArray contents(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }

private slots:
    void writesEveryLineWithCrLfInTheCodePage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("MMS.INI");
        const auto status =
            SettingsFile::write(path, {"[MMS]", QString::fromUtf8("Sender=José"), "Phone1="});
        QVERIFY2(status.ok, qPrintable(status.message));
        QCOMPARE(contents(path), QByteArray("[MMS]\r\nSender=Jos\xe9\r\nPhone1=\r\n"));
    }

    void emptyLastLineGivesTwoLineEnds()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("NET.CFG");
        QVERIFY(SettingsFile::write(path, {"SSL=0", ""}).ok);
        QCOMPARE(contents(path), QByteArray("SSL=0\r\n\r\n"));
    }

    void replacesLongerFileWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("MMS.INI");
        QVERIFY(SettingsFile::write(path, {"a", "b", "c", "d"}).ok);
        QVERIFY(SettingsFile::write(path, {"x"}).ok);
        QCOMPARE(contents(path), QByteArray("x\r\n"));
    }

    // A line break would split the line; a character the code page lacks
    // would reach the camera as "?".
    void refusesLineBreakInsideAValue_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("LF") << "APN=a\nb";
        QTest::newRow("CR") << "APN=a\rb";
        QTest::newRow("CR LF") << "APN=a\r\nb";
        QTest::newRow("not in windows-1252") << QString::fromUtf8("APN=生");
    }
    void refusesLineBreakInsideAValue()
    {
        QFETCH(QString, line);
        QTemporaryDir dir;
        const QString path = dir.filePath("MMS.INI");
        QVERIFY(SettingsFile::write(path, {"[MMS]", "old"}).ok);
        const auto status = SettingsFile::write(path, {"[MMS]", line});
        QVERIFY(!status.ok);
        QVERIFY2(status.message.contains("APN="), qPrintable(status.message));
        QCOMPARE(contents(path), QByteArray("[MMS]\r\nold\r\n"));
    }

    void failedWriteNamesFileAndReasonAndKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath("no-such-folder/MMS.INI");
        auto status = SettingsFile::write(missing, {"[MMS]"});
        QVERIFY(!status.ok);
        QVERIFY2(status.message.contains(QDir::toNativeSeparators(missing)),
                 qPrintable(status.message));
        QVERIFY2(status.message.contains("does not exist"), qPrintable(status.message));

        // A folder standing where the file should go.
        QVERIFY(QDir(dir.path()).mkdir("MMS.INI"));
        status = SettingsFile::write(dir.filePath("MMS.INI"), {"[MMS]"});
        QVERIFY(!status.ok);
        QVERIFY(QFileInfo(dir.filePath("MMS.INI")).isDir());
    }

    void readOnlyFolderKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("MMS.INI");
        QVERIFY(SettingsFile::write(path, {"old"}).ok);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFile probe(dir.filePath("probe")); probe.open(QIODevice::WriteOnly)) {
            QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                  | QFileDevice::ExeOwner);
            QSKIP("this user writes into read-only folders (root)");
        }
        const auto status = SettingsFile::write(path, {"new"});
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                              | QFileDevice::ExeOwner);
        QVERIFY(!status.ok);
        QCOMPARE(contents(path), QByteArray("old\r\n"));
    }

    void splitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("CR") << "a\rb\r" << QStringList{"a", "b"};
        QTest::newRow("LF") << "a\nb\n" << QStringList{"a", "b"};
        QTest::newRow("no end on last") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("empty lines kept") << "a\r\n\r\nb\r\n" << QStringList{"a", "", "b"};
        QTest::newRow("LF CR is two ends") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("one line no end") << "[SMTP]" << QStringList{"[SMTP]"};
    }
    void splitLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(SettingsFile::splitLines(text), lines);
    }

    void readDecodesCodePage()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath("CAMERA.CFG"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[CAMERA SETTING]\r\nCamera Name=Caf\xe9\r\n");
        f.close();
        const auto read = SettingsFile::read(f.fileName());
        QVERIFY(read.status.ok);
        QCOMPARE(read.lines,
                 (QStringList{"[CAMERA SETTING]", QString::fromUtf8("Camera Name=Café")}));
    }

    void readOfMissingFileIsAFailureNamingIt()
    {
        QTemporaryDir dir;
        const auto read = SettingsFile::read(dir.filePath("MMS.INI"));
        QVERIFY(!read.status.ok);
        QVERIFY(read.status.message.contains("MMS.INI"));
        QVERIFY(read.lines.isEmpty());
    }

    void valueAfterKey_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("keyLength");
        QTest::addColumn<QString>("value");
        QTest::newRow("value") << "URL=mms.example" << 4 << "mms.example";
        QTest::newRow("other key same length") << "XYZ=abc" << 4 << "abc";
        QTest::newRow("key only") << "URL=" << 4 << "";
        QTest::newRow("shorter than key") << "IP" << 3 << "";
        QTest::newRow("blanks kept") << "URL = x" << 4 << "= x";
        QTest::newRow("empty line") << "" << 6 << "";
    }
    void valueAfterKey()
    {
        QFETCH(QString, line);
        QFETCH(int, keyLength);
        QFETCH(QString, value);
        QCOMPARE(SettingsFile::valueAfterKey(line, keyLength), value);
    }
};

QTEST_GUILESS_MAIN(tst_SettingsFile)
#include "tst_settingsfile.moc"

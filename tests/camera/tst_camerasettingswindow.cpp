#include "camera/CameraSettingsWindow.h"
#include "support/DialogQueue.h"
#include "support/WorkingFolder.h"
#include "ui/DropDown.h"
#include "ui/Forms.h"
#include "ui/Twips.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using rx20::CameraSettingsWindow;
using rx20::test::DialogQueue;
using rx20::test::WorkingFolder;
using rx20::ui::DropDown;
using rx20::ui::Forms;
using rx20::ui::Twips;

namespace {

const QString generated = QString::fromUtf8("生成配置文件成功");

const QByteArray untouchedFile = "[CAMERA SETTING]\r\n"
                                 "Mode=Camera\r\n"
                                 "Image Size=5M\r\n"
                                 "Image Format=4:3\r\n"
                                 "Capture Number=1\r\n"
                                 "IR LED Control=High\r\n"
                                 "Camera Name=Camera Name\r\n"
                                 "Video Size=1920x1080\r\n"
                                 "Vide Length=10\r\n"
                                 "Interval=10S\r\n"
                                 "Sensor Level=Auto\r\n"
                                 "NV Shutter=Low\r\n"
                                 "Camera Mode=24hrs\r\n"
                                 "Time Stamp=ON\r\n"
                                 "Video Sound=ON\r\n"
                                 "Over Write=ON\r\n"
                                 "Field Scan=OFF\r\n"
                                 "Field Scan A=0:0\r\n"
                                 "Field Scan B=0:0\r\n"
                                 "Fild Scan Interva=1M\r\n";

const QStringList fieldScanControls = {"Text4", "Text5", "Text6", "Text7", "Combo14"};

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += line.toLatin1() + "\r\n";
    return out;
}

QStringList fileLines(const WorkingFolder &folder)
{
    return QString::fromLatin1(folder.read("CAMERA.CFG")).split("\r\n");
}

} // namespace

class tst_CameraSettingsWindow : public QObject
{
    Q_OBJECT

private:
    template<typename T>
    static T *control(QWidget &window, const QString &name)
    {
        T *found = window.findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    static void click(QWidget &window, const QString &button)
    {
        QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
    }

    static void pick(QWidget &window, const QString &dropDown, const QString &item)
    {
        auto *box = control<DropDown>(window, dropDown);
        const int index = box->findText(item);
        QVERIFY(index >= 0);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    // Empties a box as a user would: select everything, then delete it.
    static void clear(QLineEdit *box)
    {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
    }

    static QStringList texts(QWidget &window)
    {
        QStringList out;
        for (int i = 1; i <= 7; ++i)
            out << control<QLineEdit>(window, QStringLiteral("Text%1").arg(i))->text();
        for (int i = 1; i <= 15; ++i)
            out << control<DropDown>(window, QStringLiteral("Combo%1").arg(i))->text();
        return out;
    }

    static bool fieldScanEnabled(QWidget &window, bool enabled)
    {
        for (const QString &name : fieldScanControls) {
            if (control<QWidget>(window, name)->isEnabled() != enabled)
                return false;
        }
        return true;
    }

private slots:
    void cleanup() { Forms::reset(); }

    void windowAndCaptions()
    {
        CameraSettingsWindow window;
        QCOMPARE(window.objectName(), QStringLiteral("Form2"));
        QCOMPARE(window.windowTitle(), QStringLiteral("RX31"));
        QVERIFY(window.isWindow());
        QVERIFY(!(window.windowFlags() & Qt::FramelessWindowHint));
        QCOMPARE(window.minimumSize(), Twips::toPixels(QSize(6960, 7275)));
        QCOMPARE(window.maximumSize(), window.minimumSize());

        // Label1 ... Label22
        const QStringList captions = {"Mode", "Image Size", "Image Format", "Capture NO.",
                                      "IR LED Control", "Camera Name", "Video Size",
                                      "Video Length", "Interval", "Sensor Level", "NV Shutter",
                                      "Camera Mode", "Time Stamp", "Video Sound", "Over Write",
                                      "Scan Interval", "A Start", ":", "B Start", ":",
                                      "Field Scan", "S"};
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(control<QLabel>(window, QStringLiteral("Label%1").arg(i + 1))->text(),
                     captions.at(i));
        QCOMPARE(control<QPushButton>(window, "Command1")->text(), QStringLiteral("Read"));
        QCOMPARE(control<QPushButton>(window, "Command2")->text(), QStringLiteral("Generate"));
        QCOMPARE(control<QPushButton>(window, "Command3")->text(), QStringLiteral("Exit"));

        const auto frames = window.findChildren<QGroupBox *>();
        QCOMPARE(frames.size(), 18);
        for (const QGroupBox *frame : frames)
            QVERIFY(frame->title().isEmpty());
        QCOMPARE(control<QLabel>(window, "Label17")->parentWidget(),
                 control<QLineEdit>(window, "Text7")->parentWidget());
    }

    void designContents_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("Combo1") << "Combo1" << "Camera" << QStringList{"Camera", "Video", "Hybrid"};
        QTest::newRow("Combo2") << "Combo2" << "5M" << QStringList{"3M", "5M", "8M"};
        QTest::newRow("Combo3") << "Combo3" << "4:3" << QStringList{"4:3", "16:9"};
        QTest::newRow("Combo4") << "Combo4" << "1" << QStringList{"1", "2", "3"};
        QTest::newRow("Combo5") << "Combo5" << "High" << QStringList{"High", "Medium", "Low"};
        QTest::newRow("Combo6") << "Combo6" << "1920x1080"
                                << QStringList{"848x480", "1280x720", "1920x1080"};
        QTest::newRow("Combo7") << "Combo7" << "S" << QStringList{"S", "M"};
        QTest::newRow("Combo8") << "Combo8" << "Auto" << QStringList{"Low", "Normal", "High"};
        QTest::newRow("Combo9") << "Combo9" << "Low" << QStringList{"High", "Medium", "Low"};
        QTest::newRow("Combo10") << "Combo10" << "24hrs" << QStringList{"Day", "Night", "24hrs"};
        QTest::newRow("Combo11") << "Combo11" << "ON" << QStringList{"ON", "OFF"};
        QTest::newRow("Combo12") << "Combo12" << "ON" << QStringList{"ON", "OFF"};
        QTest::newRow("Combo13") << "Combo13" << "ON" << QStringList{"ON", "OFF"};
        QTest::newRow("Combo14") << "Combo14" << "1M"
                                 << QStringList{"1M", "5M", "15M", "30M", "60M"};
        QTest::newRow("Combo15") << "Combo15" << "OFF" << QStringList{"ON", "OFF"};
    }
    void designContents()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QStringList, items);
        CameraSettingsWindow window;
        auto *box = control<DropDown>(window, name);
        QVERIFY(box->isEditable());
        QCOMPARE(box->text(), text);
        QStringList listed;
        for (int i = 0; i < box->count(); ++i)
            listed << box->itemText(i);
        QCOMPARE(listed, items);
        QCOMPARE(box->isEnabled(), name != "Combo14");
    }

    void untouchedGenerateWritesTheExample()
    {
        WorkingFolder folder;
        DialogQueue dialogs;
        CameraSettingsWindow window;
        window.show();
        QVERIFY(fieldScanEnabled(window, false));
        dialogs.expectMessage(generated);
        click(window, "Command2");
        QCOMPARE(folder.read("CAMERA.CFG"), untouchedFile);
        VERIFY_DIALOGS(dialogs);
    }

    void intervalJoinsNumberAndUnit()
    {
        WorkingFolder folder;
        DialogQueue dialogs;
        CameraSettingsWindow window;
        window.show();
        pick(window, "Combo7", "M");
        dialogs.expectMessage(generated);
        click(window, "Command2");
        QCOMPARE(fileLines(folder).at(9), QStringLiteral("Interval=10M"));
        VERIFY_DIALOGS(dialogs);
    }

    void intervalWarnsOnEveryChangeOutOfRange()
    {
        WorkingFolder folder;
        DialogQueue dialogs;
        CameraSettingsWindow window;
        window.show();
        auto *interval = control<QLineEdit>(window, "Text3");
        clear(interval);
        QCOMPARE(dialogs.messages().size(), 0);

        // "6" is fine, "60" and "600" are not.
        dialogs.expectMessage("The number you set is out of range");
        dialogs.expectMessage("The number you set is out of range");
        QTest::keyClicks(interval, "600");
        QCOMPARE(dialogs.messages().size(), 2);
        QCOMPARE(interval->text(), QStringLiteral("600"));

        // Back through "60" (out of range again) to "6", which is silent.
        dialogs.expectMessage("The number you set is out of range");
        QTest::keyClick(interval, Qt::Key_Backspace);
        QCOMPARE(dialogs.messages().size(), 3);
        QTest::keyClick(interval, Qt::Key_Backspace);
        QCOMPARE(interval->text(), QStringLiteral("6"));
        QCOMPARE(dialogs.messages().size(), 3);
        VERIFY_DIALOGS(dialogs);
    }

    void rangeChecks_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("warnings"); // one per keystroke that leaves it out of range
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("written");

        const QString interval = "The number you set is out of range";
        const QString time = "Set Time is out of range";
        QTest::newRow("Text3 -1") << "Text3" << "-1" << interval << 1 << 10 << "Interval=-1S";
        QTest::newRow("Text3 59.5") << "Text3" << "59.5" << interval << 1 << 10
                                    << "Interval=59.5S";
        QTest::newRow("Text3 58.5") << "Text3" << "58.5" << interval << 0 << 10
                                    << "Interval=58.5S";
        QTest::newRow("Text3 59") << "Text3" << "59" << interval << 0 << 10 << "Interval=59S";
        QTest::newRow("Text3 abc") << "Text3" << "abc" << interval << 0 << 10 << "Interval=abcS";
        QTest::newRow("Text3 empty") << "Text3" << "" << interval << 0 << 10 << "Interval=S";
        // 1, 1e, 1e4, 1e40, 1e400: the last three are out of range, the last two do not
        // even fit in 16 bits.
        QTest::newRow("Text3 1e400") << "Text3" << "1e400" << interval << 3 << 10
                                     << "Interval=1e400S";
        QTest::newRow("Text4 23") << "Text4" << "23" << time << 0 << 18 << "Field Scan A=23:0";
        QTest::newRow("Text4 24") << "Text4" << "24" << time << 1 << 18 << "Field Scan A=24:0";
        QTest::newRow("Text5 24") << "Text5" << "24" << time << 1 << 18 << "Field Scan A=0:24";
        QTest::newRow("Text5 30") << "Text5" << "30" << time << 1 << 18 << "Field Scan A=0:30";
        QTest::newRow("Text6 99") << "Text6" << "99" << time << 0 << 19 << "Field Scan B=99:0";
        QTest::newRow("Text7 99") << "Text7" << "99" << time << 0 << 19 << "Field Scan B=0:99";
    }
    void rangeChecks()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(int, warnings);
        QFETCH(int, line);
        QFETCH(QString, written);

        WorkingFolder folder;
        DialogQueue dialogs;
        CameraSettingsWindow window;
        window.show();
        pick(window, "Combo15", "ON");
        auto *edit = control<QLineEdit>(window, box);
        clear(edit);
        for (int i = 0; i < warnings; ++i)
            dialogs.expectMessage(message);
        QTest::keyClicks(edit, typed);
        QCOMPARE(dialogs.messages().size(), warnings);
        QCOMPARE(edit->text(), typed);

        dialogs.expectMessage(generated);
        click(window, "Command2");
        QCOMPARE(fileLines(folder).at(line - 1), written);
        VERIFY_DIALOGS(dialogs);
    }

    void onlyPickingOnSwitchesFieldScan()
    {
        WorkingFolder folder;
        DialogQueue dialogs;
        CameraSettingsWindow window;
        window.show();
        auto *fieldScan = control<DropDown>(window, "Combo15");

        // Typing "ON" is not a pick.
        fieldScan->lineEdit()->setFocus();
        fieldScan->lineEdit()->selectAll();
        QTest::keyClicks(fieldScan->lineEdit(), "ON");
        QTest::keyClick(fieldScan->lineEdit(), Qt::Key_Return);
        QCOMPARE(fieldScan->text(), QStringLiteral("ON"));
        QVERIFY(fieldScanEnabled(window, false));

        pick(window, "Combo15", "ON");
        QVERIFY(fieldScanEnabled(window, true));
        QTest::keyClicks(control<QLineEdit>(window, "Text6"), "1");
        QTest::keyClicks(control<QLineEdit>(window, "Text7"), "2");
        pick(window, "Combo14", "30M");

        // Down from "ON" picks "OFF", as the arrow key would.
        fieldScan->setCurrentIndex(0);
        QTest::keyClick(fieldScan, Qt::Key_Down);
        QCOMPARE(fieldScan->text(), QStringLiteral("OFF"));
        QVERIFY(fieldScanEnabled(window, false));

        // Disabled controls are written all the same.
        dialogs.expectMessage(generated);
        click(window, "Command2");
        const QStringList lines = fileLines(folder);
        QCOMPARE(lines.at(16), QStringLiteral("Field Scan=OFF"));
        QCOMPARE(lines.at(18), QStringLiteral("Field Scan B=01:02"));
        QCOMPARE(lines.at(19), QStringLiteral("Fild Scan Interva=30M"));
        VERIFY_DIALOGS(dialogs);
    }

    void readRestoresLines2To9And11To17_data()
    {
        QTest::addColumn<bool>("enabledBefore");
        QTest::newRow("field scan off") << false;
        QTest::newRow("field scan on") << true;
    }
    void readRestoresLines2To9And11To17()
    {
        QFETCH(bool, enabledBefore);
        WorkingFolder folder;
        DialogQueue dialogs;
        CameraSettingsWindow window;
        window.show();
        if (enabledBefore)
            pick(window, "Combo15", "ON");

        const QStringList file = {"[SOMETHING]",
                                  "Mode = Video",
                                  "Image Size=8M",
                                  "Image Format=16:9",
                                  "Capture Number=3",
                                  "IR LED Control=Low",
                                  "Camera Name= Yard cam ",
                                  "Video Size=848x480",
                                  "Vide Length=25",
                                  "Interval=59M",
                                  "Sensor Level=Normal",
                                  "NV Shutter=High",
                                  "Camera Mode", // shorter than its key
                                  "Time Stamp=OFF",
                                  "Video Sound=OFF",
                                  "Over Write=maybe",
                                  enabledBefore ? "Field Scan=OFF" : "Field Scan=ON",
                                  "Field Scan A=12:30",
                                  "Field Scan B=13:45",
                                  "Fild Scan Interva=60M"};
        QVERIFY(folder.write("CAMERA.CFG", crlf(file)));
        click(window, "Command1");
        QCOMPARE(dialogs.messages().size(), 0);

        const QStringList expected = {
            " Yard cam ", "25", "10", "0", "0", "0", "0",                 // Text1-Text7
            "= Video", "8M", "16:9", "3", "Low", "848x480", "S", "Normal", // Combo1-Combo8
            "High", "", "OFF", "OFF", "maybe", "1M",                      // Combo9-Combo14
            enabledBefore ? "OFF" : "ON"};                                // Combo15
        QCOMPARE(texts(window), expected);
        QVERIFY(fieldScanEnabled(window, enabledBefore));

        // Lines 1, 10 and 18-20 of the file never reached the window.
        dialogs.expectMessage(generated);
        click(window, "Command2");
        QStringList regenerated = file;
        regenerated[0] = "[CAMERA SETTING]";
        regenerated[1] = "Mode== Video";
        regenerated[9] = "Interval=10S";
        regenerated[12] = "Camera Mode=";
        regenerated[17] = "Field Scan A=0:0";
        regenerated[18] = "Field Scan B=0:0";
        regenerated[19] = "Fild Scan Interva=1M";
        QCOMPARE(folder.read("CAMERA.CFG"), crlf(regenerated));
        VERIFY_DIALOGS(dialogs);
    }

    void generatedFileReadsBackUnchanged()
    {
        WorkingFolder folder;
        DialogQueue dialogs;
        CameraSettingsWindow window;
        window.show();
        pick(window, "Combo1", "Hybrid");
        QTest::keyClicks(control<QLineEdit>(window, "Text1"), " 2");
        dialogs.expectMessage(generated);
        click(window, "Command2");
        const QByteArray written = folder.read("CAMERA.CFG");

        // Read, Read again, Generate: the file is closed between presses.
        CameraSettingsWindow other;
        other.show();
        click(other, "Command1");
        click(other, "Command1");
        QCOMPARE(texts(other), texts(window));
        dialogs.expectMessage(generated);
        click(other, "Command2");
        QCOMPARE(folder.read("CAMERA.CFG"), written);
        VERIFY_DIALOGS(dialogs);
    }

    void failedReadChangesNothing_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "missing"
                                 << "Could not read CAMERA.CFG: the file does not exist.";
        QTest::newRow("sixteen lines")
            << "short"
            << "Could not read CAMERA.CFG: it has 16 lines where 17 are needed. Nothing was "
               "changed.";
        QTest::newRow("folder in the way")
            << "folder" << "Could not read CAMERA.CFG: file to open is a directory.";
        QTest::newRow("unreadable") << "unreadable"
                                    << "Could not read CAMERA.CFG: Permission denied.";
    }
    void failedReadChangesNothing()
    {
        QFETCH(QString, problem);
        QFETCH(QString, message);
        WorkingFolder folder;
        DialogQueue dialogs;
        CameraSettingsWindow window;
        window.show();

        // A file that would change every value Read takes.
        QStringList lines = QString::fromLatin1(untouchedFile).split("\r\n");
        lines.removeLast();
        for (QString &line : lines)
            line += "X";
        if (problem == "short") {
            QVERIFY(folder.write("CAMERA.CFG", crlf(lines.mid(0, 16))));
        } else if (problem == "folder") {
            QVERIFY(QDir(folder.path()).mkdir("CAMERA.CFG"));
        } else if (problem == "unreadable") {
            QVERIFY(folder.write("CAMERA.CFG", crlf(lines)));
            QFile::setPermissions(folder.file("CAMERA.CFG"), {});
            if (QFile probe(folder.file("CAMERA.CFG")); probe.open(QIODevice::ReadOnly))
                QSKIP("this user reads files without read permission (root)");
        }

        const QStringList before = texts(window);
        dialogs.expectMessage(message);
        click(window, "Command1");
        QCOMPARE(texts(window), before);
        QVERIFY(fieldScanEnabled(window, false));
        VERIFY_DIALOGS(dialogs);
    }

    void failedGenerateKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("message");
        QTest::newRow("folder in the way")
            << "folder" << "Could not write CAMERA.CFG: a folder of that name is in the way.";
        QTest::newRow("read-only folder") << "read-only"
                                          << "Could not write CAMERA.CFG: Permission denied.";
    }
    void failedGenerateKeepsTheOldFile()
    {
        QFETCH(QString, problem);
        QFETCH(QString, message);
        WorkingFolder folder;
        DialogQueue dialogs;
        CameraSettingsWindow window;
        window.show();
        const QByteArray old = "[CAMERA SETTING]\r\nMode=old\r\n";
        const auto writable = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                              | QFileDevice::ExeOwner;
        if (problem == "folder") {
            QVERIFY(QDir(folder.path()).mkdir("CAMERA.CFG"));
        } else {
            QVERIFY(folder.write("CAMERA.CFG", old));
            QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            if (QFile probe(folder.file("probe")); probe.open(QIODevice::WriteOnly)) {
                QFile::setPermissions(folder.path(), writable);
                QSKIP("this user writes into read-only folders (root)");
            }
        }

        dialogs.expectMessage(message);
        click(window, "Command2");
        if (problem == "folder") {
            QVERIFY(QFileInfo(folder.file("CAMERA.CFG")).isDir());
            QVERIFY(QDir(folder.path()).rmdir("CAMERA.CFG"));
        } else {
            QCOMPARE(folder.read("CAMERA.CFG"), old);
            QFile::setPermissions(folder.path(), writable);
        }

        // Once the way is clear the same window writes the file.
        dialogs.expectMessage(generated);
        click(window, "Command2");
        QCOMPARE(folder.read("CAMERA.CFG"), untouchedFile);
        VERIFY_DIALOGS(dialogs);
    }

    void exitUnloadsTheWindow()
    {
        Forms::define("Form2", [] { return new CameraSettingsWindow; });
        QPointer<QWidget> window = Forms::show("Form2");
        QVERIFY(window);
        click(*window, "Command3");
        QVERIFY(!Forms::loaded("Form2"));
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(tst_CameraSettingsWindow)
#include "tst_camerasettingswindow.moc"

#include "camera/CameraSettingsWindow.h"
#include "support/DialogQueue.h"
#include "support/ScreenReader.h"
#include "support/WorkingFolder.h"
#include "ui/DropDown.h"
#include "ui/Forms.h"
#include "ui/Twips.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

using rx20::CameraSettingsWindow;
using rx20::test::DialogQueue;
using rx20::test::WorkingFolder;
using rx20::ui::DropDown;
using rx20::ui::Forms;

namespace {

const QString generated = QString::fromUtf8("生成配置文件成功");

// What an untouched window writes.
const QStringList example = {
    "[CAMERA SETTING]",  "Mode=Camera",         "Image Size=5M",           "Image Format=4:3",
    "Capture Number=1",  "IR LED Control=High", "Camera Name=Camera Name", "Video Size=1920x1080",
    "Vide Length=10",    "Interval=10S",        "Sensor Level=Auto",       "NV Shutter=Low",
    "Camera Mode=24hrs", "Time Stamp=ON",       "Video Sound=ON",          "Over Write=ON",
    "Field Scan=OFF",    "Field Scan A=0:0",    "Field Scan B=0:0",        "Fild Scan Interva=1M"};

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += line.toLatin1() + "\r\n";
    return out;
}

// The example with lines replaced, keyed by line number.
QByteArray exampleWith(const QList<QPair<int, QString>> &changes)
{
    QStringList lines = example;
    for (const auto &[line, text] : changes)
        lines[line - 1] = text;
    return crlf(lines);
}

struct Form2
{
    DialogQueue dialogs;
    QPointer<QWidget> window;

    Form2()
    {
        Forms::define("Form2", [] { return new CameraSettingsWindow; });
        window = Forms::load("Form2");
        window->show();
    }

    template <typename T = QWidget> T *get(const QString &name)
    {
        T *found = window->findChild<T *>(name);
        return found ? found : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    void click(const QString &name) { QTest::mouseClick(get(name), Qt::LeftButton); }
    void pick(const QString &dropDown, const QString &item)
    {
        auto *box = get<DropDown>(dropDown);
        const int index = box->findText(item);
        QVERIFY(index >= 0);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void generate()
    {
        dialogs.expectMessage(generated);
        click("Command2");
    }
    // Whether the Field Scan controls are all enabled (1), all disabled (0) or mixed (-1).
    int fieldScanEnabled()
    {
        int enabled = 0;
        for (const char *name : {"Text4", "Text5", "Text6", "Text7", "Combo14"})
            enabled += get(name)->isEnabled();
        return enabled == 5 ? 1 : enabled == 0 ? 0 : -1;
    }
};

} // namespace

class tst_CameraSettingsWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Forms::reset(); }

    // Loaded: the window, every drop-down's items in order, the Field Scan controls disabled;
    // Generate writes the example; Exit unloads the window.
    void rightAfterLoad()
    {
        WorkingFolder folder;
        Form2 form;
        QCOMPARE(form.window->objectName(), QStringLiteral("Form2"));
        QCOMPARE(form.window->windowTitle(), QStringLiteral("RX31"));
        QVERIFY(!(form.window->windowFlags() & Qt::FramelessWindowHint));
        QCOMPARE(form.window->minimumSize(), rx20::ui::Twips::toPixels(QSize(6960, 7275)));
        QCOMPARE(form.window->maximumSize(), form.window->minimumSize());
        const auto frames = form.window->findChildren<QGroupBox *>();
        QCOMPARE(frames.size(), 18);
        for (const QGroupBox *frame : frames)
            QVERIFY(frame->title().isEmpty());
        // Combo1 ... Combo15; the design texts are in the example ("Auto" is no item).
        const QStringList items = QString("Camera|Video|Hybrid 3M|5M|8M 4:3|16:9 1|2|3 "
                                          "High|Medium|Low 848x480|1280x720|1920x1080 S|M "
                                          "Low|Normal|High High|Medium|Low Day|Night|24hrs ON|OFF "
                                          "ON|OFF ON|OFF 1M|5M|15M|30M|60M ON|OFF")
                                      .split(' ');
        for (int i = 0; i < items.size(); ++i) {
            const auto *box = form.get<DropDown>(QStringLiteral("Combo%1").arg(i + 1));
            QVERIFY(box->isEditable());
            QStringList listed;
            for (int j = 0; j < box->count(); ++j)
                listed << box->itemText(j);
            QCOMPARE(listed.join('|'), items.at(i));
        }
        QCOMPARE(form.fieldScanEnabled(), 0);
        form.generate();
        VERIFY_DIALOGS(form.dialogs);
        QCOMPARE(folder.read("CAMERA.CFG"), crlf(example));

        form.click("Command3");
        QCOMPARE(Forms::loaded("Form2"), nullptr);
        QTRY_VERIFY(form.window.isNull());
    }

    // Text3 (0..59) and Text4/Text5 (0..23) are checked on every change, each
    // keystroke that leaves them out of range warns; Text6/Text7 never do.
    // Whatever was typed is written as it stands.
    void typedValuesAreCheckedAndWritten_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");  // for a drop-down: the item picked
        QTest::addColumn<QString>("warnAt"); // per keystroke: 1 warns
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("written");
        const auto row = [](const char *name, QString control, QString typed, QString warnAt,
                            int line, QString written) {
            QTest::newRow(name) << control << typed << warnAt << line << written;
        };
        row("Text3 600", "Text3", "600", "011", 10, "Interval=600S");
        row("Text3 -1", "Text3", "-1", "01", 10, "Interval=-1S");
        row("Text3 59.5", "Text3", "59.5", "0001", 10, "Interval=59.5S");
        row("Text3 58.5", "Text3", "58.5", "0000", 10, "Interval=58.5S");
        row("Text3 abc", "Text3", "abc", "000", 10, "Interval=abcS");
        row("Text3 empty", "Text3", "", "", 10, "Interval=S");
        row("Combo7 M", "Combo7", "M", "", 10, "Interval=10M");
        row("Text4 24", "Text4", "24", "01", 18, "Field Scan A=24:0");
        row("Text5 24", "Text5", "24", "01", 18, "Field Scan A=0:24");
        row("Text6 99", "Text6", "99", "00", 19, "Field Scan B=99:0");
        row("Text7 99", "Text7", "99", "00", 19, "Field Scan B=0:99");
    }
    void typedValuesAreCheckedAndWritten()
    {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, warnAt);
        QFETCH(int, line);
        QFETCH(QString, written);
        WorkingFolder folder;
        Form2 form;
        form.pick("Combo15", "ON");
        if (control.startsWith("Combo")) {
            form.pick(control, typed);
        } else {
            const QString message = control == "Text3" ? "The number you set is out of range"
                                                       : "Set Time is out of range";
            auto *edit = form.get<QLineEdit>(control);
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_Backspace);
            QCOMPARE(form.dialogs.messages().size(), 0);
            for (int i = 0; i < typed.size(); ++i) {
                if (warnAt.at(i) == '1')
                    form.dialogs.expectMessage(message);
                QTest::keyClicks(edit, QString(typed.at(i)));
                QCOMPARE(form.dialogs.messages().size(), warnAt.left(i + 1).count('1'));
            }
        }
        form.generate();
        VERIFY_DIALOGS(form.dialogs);
        QCOMPARE(folder.read("CAMERA.CFG"), exampleWith({{17, "Field Scan=ON"}, {line, written}}));
    }

    // Picking "ON" enables the Field Scan controls, picking "OFF" disables
    // them; disabled controls are written all the same.
    void pickingOnAndOffSwitchesFieldScan()
    {
        WorkingFolder folder;
        Form2 form;
        form.pick("Combo15", "ON");
        QCOMPARE(form.fieldScanEnabled(), 1);
        QTest::keyClicks(form.get("Text6"), "1");
        QTest::keyClicks(form.get("Text7"), "2");
        form.pick("Combo14", "30M");
        form.pick("Combo15", "OFF");
        QCOMPARE(form.fieldScanEnabled(), 0);
        form.generate();
        VERIFY_DIALOGS(form.dialogs);
        QCOMPARE(folder.read("CAMERA.CFG"),
                 exampleWith({{19, "Field Scan B=01:02"}, {20, "Fild Scan Interva=30M"}}));
    }

    // Read takes lines 2-9 and 11-17 by position, silently, and leaves the
    // Field Scan controls' state as it was; Read twice, then Generate.
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
        Form2 form;
        if (enabledBefore)
            form.pick("Combo15", "ON");
        QStringList file = QString("[SOMETHING]|Mode = Video|Image Size=8M|Image Format=16:9|"
                                   "Capture Number=3|IR LED Control=Low|Camera Name= Yard cam |"
                                   "Video Size=848x480|Vide Length=25|Interval=59M|"
                                   "Sensor Level=Normal|NV Shutter=High|Camera Mode|"
                                   "Time Stamp=OFF|Video Sound=maybe|Over Write=never|"
                                   "Field Scan=ON|Field Scan A=12:30|Field Scan B=13:45|"
                                   "Fild Scan Interva=60M")
                               .split('|');
        if (enabledBefore)
            file[16] = "Field Scan=OFF";
        QVERIFY(folder.write("CAMERA.CFG", crlf(file)));
        form.click("Command1");
        form.click("Command1");
        QCOMPARE(form.fieldScanEnabled(), int(enabledBefore));

        form.generate();
        VERIFY_DIALOGS(form.dialogs);
        QStringList expected = file;
        for (int i : {0, 9, 17, 18, 19}) // never read
            expected[i] = example.at(i);
        expected[1] = "Mode== Video";
        expected[12] = "Camera Mode=";
        QCOMPARE(folder.read("CAMERA.CFG"), crlf(expected));
    }

    // A failure is said instead of any success message: a failed Read changes no control, a
    // failed Generate leaves what is there alone. Generate works once the way is clear.
    void failures_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("lines"); // of CAMERA.CFG; -1: none, -2: a folder of that name
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, QString button, int lines, QString message) {
            QTest::newRow(name) << button << lines << message;
        };
        row("Read, missing", "Command1", -1, "Could not read CAMERA.CFG: the file does not exist.");
        row("Read, sixteen lines", "Command1", 16,
            "Could not read CAMERA.CFG: it has 16 lines where 17 are needed. Nothing was changed.");
        row("Generate, folder in the way", "Command2", -2,
            "Could not write CAMERA.CFG: a folder of that name is in the way.");
    }
    void failures()
    {
        QFETCH(QString, button);
        QFETCH(int, lines);
        QFETCH(QString, message);
        WorkingFolder folder;
        QStringList changed = example.mid(0, qMax(lines, 0)); // every value Read takes changed
        for (QString &line : changed)
            line += "X";
        if (lines >= 0)
            QVERIFY(folder.write("CAMERA.CFG", crlf(changed)));
        if (lines == -2)
            QVERIFY(QDir(folder.path()).mkdir("CAMERA.CFG"));
        Form2 form;
        form.dialogs.expectMessage(message);
        form.click(button);
        VERIFY_DIALOGS(form.dialogs);
        QCOMPARE(form.fieldScanEnabled(), 0);
        QCOMPARE(QFileInfo(folder.file("CAMERA.CFG")).isDir(), lines == -2);
        QDir(folder.path()).rmdir("CAMERA.CFG");
        form.generate();
        VERIFY_DIALOGS(form.dialogs);
        QCOMPARE(folder.read("CAMERA.CFG"), crlf(example));
    }

    // A screen reader says each control's label, or what one without a label is;
    // Tab walks the window frame by frame, left column first.
    void namesAndTabOrder_data()
    {
        using rx20::test::ScreenReader;
        ScreenReader::addColumns();
        ScreenReader::addRow("Combo1", "Label1", "Mode", "Combo3");
        ScreenReader::addRow("Combo3", "Label3", "Image Format", "Combo5");
        ScreenReader::addRow("Combo5", "Label5", "IR LED Control", "Combo6");
        ScreenReader::addRow("Combo6", "Label7", "Video Size", "Text3");
        ScreenReader::addRow("Text3", "", "Interval", "Combo7");
        ScreenReader::addRow("Combo7", "Label9", "Interval unit", "Combo9", "Interval");
        ScreenReader::addRow("Combo9", "Label11", "NV Shutter", "Combo11");
        ScreenReader::addRow("Combo11", "Label13", "Time Stamp", "Combo13");
        ScreenReader::addRow("Combo13", "Label15", "Over Write", "Combo2");
        ScreenReader::addRow("Text4", "Label17", "A Start", "");
        ScreenReader::addRow("Text5", "Label18", "A Start minute", "", "minute");
        ScreenReader::addRow("Text6", "Label19", "B Start", "");
        ScreenReader::addRow("Text7", "Label20", "B Start minute", "", "minute");
        ScreenReader::addRow("Combo2", "Label2", "Image Size", "Combo4");
        ScreenReader::addRow("Combo4", "Label4", "Capture NO.", "Text1");
        ScreenReader::addRow("Text1", "Label6", "Camera Name", "Text2");
        ScreenReader::addRow("Text2", "Label22", "Video Length in seconds", "Combo8", "seconds");
        ScreenReader::addRow("Combo8", "Label10", "Sensor Level", "Combo10");
        ScreenReader::addRow("Combo10", "Label12", "Camera Mode", "Combo12");
        ScreenReader::addRow("Combo12", "Label14", "Video Sound", "Combo15");
        ScreenReader::addRow("Combo14", "Label16", "Scan Interval", "");
        ScreenReader::addRow("Combo15", "Label21", "Field Scan", "Command1");
        ScreenReader::addRow("Command1", "", "Read", "Command2");
        ScreenReader::addRow("Command2", "", "Generate", "Command3");
        ScreenReader::addRow("Command3", "", "Exit", "Combo1");
    }
    void namesAndTabOrder()
    {
        Form2 form;
        rx20::test::ScreenReader::verifyRow(form.window);
    }
};

QTEST_MAIN(tst_CameraSettingsWindow)
#include "tst_camerasettingswindow.moc"

#include "camera/MmsSettingsWindow.h"
#include "catalogue/Catalogue.h"
#include "support/DialogQueue.h"
#include "support/ScreenReader.h"
#include "support/WorkingFolder.h"
#include "ui/DropDown.h"
#include "ui/Forms.h"
#include "ui/Twips.h"

#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTest>

using rx20::MmsSettingsWindow;
using rx20::catalogue::Catalogue;
using rx20::catalogue::Copy;
using rx20::test::DialogQueue;
using rx20::test::WorkingFolder;
using rx20::ui::DropDown;
using rx20::ui::Forms;

namespace {

const QString warning = QStringLiteral("At least One phone or Email should be input!");
const QString created = QStringLiteral("Create configure file!");
const QStringList good = {"u", "a", "i", "p", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};

// NET.CFG lines for the fourteen values (URL, APN, IP, Port, Phone1-5, Email1-5).
QStringList netCfgLines(const QStringList &values)
{
    static const QStringList keys = {"URL",    "APN",    "IP",     "Port",   "Phone1",
                                     "Phone2", "Phone3", "Phone4", "Phone5", "Email1",
                                     "Email2", "Email3", "Email4", "Email5"};
    QStringList lines{"[MMS]"};
    for (int i = 0; i < keys.size(); ++i)
        lines << keys.at(i) + '=' + values.value(i);
    return lines;
}

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += line.toLatin1() + "\r\n";
    return out;
}

// The catalogue's URL, APN, IP and Port for an operator.
QStringList preset(const QString &country, const QString &operatorName)
{
    const auto *p = Catalogue::of(Copy::Mms).findPreset(country, operatorName);
    return p ? QStringList{p->url.value_or("-"), p->apn, p->ip.value_or("-"), p->port.value_or("-")}
             : QStringList{"<no preset>"};
}

struct Form3
{
    DialogQueue dialogs;
    QPointer<QWidget> window;

    Form3()
    {
        Forms::define("Form3", [] { return new MmsSettingsWindow; });
        window = Forms::load("Form3");
        window->show();
    }

    template <typename T = QWidget> T *get(const QString &name) const
    {
        T *found = window->findChild<T *>(name);
        return found ? found : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    QStringList values() const
    {
        QStringList out;
        for (int i = 1; i <= 14; ++i)
            out << get<QLineEdit>(QStringLiteral("Text%1").arg(i))->text();
        return out;
    }
    QStringList items(const QString &comboName) const
    {
        QStringList out;
        for (int i = 0; i < get<DropDown>(comboName)->count(); ++i)
            out << get<DropDown>(comboName)->itemText(i);
        return out;
    }
    // "Auto" or "Manual" when exactly that mode's controls show.
    QString layout() const
    {
        QString shown;
        for (const char *name : {"Label1", "Label2", "Combo3", "Combo4", "Label3", "Label4",
                                 "Label5", "Combo5", "Text1", "Text2", "Text3", "Text4"})
            shown += get(name)->isVisibleTo(window) ? '1' : '0';
        return shown == "111100000000" ? "Auto" : shown == "000011111111" ? "Manual" : shown;
    }

    // Select everything in the box and type over it.
    void retype(const QString &name, const QString &typed) const
    {
        QTest::keyClick(get(name), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(get(name), Qt::Key_Delete);
        QTest::keyClicks(get(name), typed);
    }
    // Near the left edge: an option button takes clicks on its circle and caption only.
    void click(const QString &name) const
    {
        QTest::mouseClick(get(name), Qt::LeftButton, {}, QPoint(6, get(name)->height() / 2));
    }
    void pick(const QString &comboName, const QString &item) const
    {
        DropDown *box = get<DropDown>(comboName);
        const int i = box->findText(item);
        QVERIFY2(i >= 0, qPrintable(item));
        box->setCurrentIndex(i);
        emit box->activated(i);
    }
};

} // namespace

class tst_MmsSettingsWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Forms::reset(); }

    // The file written is the one the box names, "Save to" names it, and Read takes it back.
    // Any Send To box filled, even with a blank, spares the warning. Into a missing folder
    // (no location) the failure is said instead of the success message; no file is touched.
    void generateWritesThePathAsTyped_data()
    {
        QTest::addColumn<QString>("typed");    // empty: as loaded; "<pick>": the "..." button
        QTest::addColumn<QString>("location"); // in the working folder
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("boxText");
        const auto row = [](const char *name, QString typed, QString location, QString box,
                            QString boxText) {
            QTest::newRow(name) << typed << location << box << boxText;
        };
        row("right after load", "", "C:\\NET.CFG", "Text10", "");
        row("picked folder", "<pick>", "card/NET.CFG", "Text5", "+4412345");
        row("another name, absolute", "%1/card/mms.cfg", "card/mms.cfg", "Text14", "a@b.c");
        row("relative, a blank phone", "card/NET.CFG", "card/NET.CFG", "Text9", " ");
        row("missing folder", "%1/missing/NET.CFG", "", "Text5", "0123");
    }
    void generateWritesThePathAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, location);
        QFETCH(QString, box);
        QFETCH(QString, boxText);
        WorkingFolder folder;
        QVERIFY(QDir(folder.path()).mkdir("card"));
        const QByteArray old = crlf(netCfgLines({"old"}));
        QVERIFY(folder.write("NET.CFG", old));
        Form3 form;
        if (typed == "<pick>") {
            form.dialogs.expectFolder(folder.file("card"));
            form.click("Command4");
            QCOMPARE(form.get<QLineEdit>("Text15")->text(),
                     QDir::toNativeSeparators(folder.file(location)));
        } else if (!typed.isEmpty()) {
            form.retype("Text15", QDir::toNativeSeparators(typed.replace("%1", folder.path())));
        }
        form.retype(box, boxText);
        if (boxText.isEmpty())
            form.dialogs.expectMessage(warning);
        const QString path = form.get<QLineEdit>("Text15")->text();
        form.dialogs.expectMessage("Save to " + path);
        form.dialogs.expectMessage(
            !location.isEmpty()
                ? created
                : QStringLiteral("Could not write %1: the folder %2 does not exist.")
                      .arg(path, QDir::toNativeSeparators(folder.file("missing"))));
        form.click("Command2");
        VERIFY_DIALOGS(form.dialogs);
        QCOMPARE(folder.read("NET.CFG"), old);
        if (location.isEmpty())
            return;

        QStringList expected = preset("United States", "AT&T Wireless") + QStringList(10);
        expected[box.mid(4).toInt() - 1] = boxText;
        QCOMPARE(folder.read(location), crlf(netCfgLines(expected)));
        form.retype("Text11", "changed");
        form.click("Command1"); // no message on success
        QCOMPARE(form.values(), expected);
    }

    // Read takes lines 2-15 by position when characters 2-4 of line 1 are "MMS", keys cut off
    // by length, not compared. A refusal shows one message and changes no box.
    void read_data()
    {
        QTest::addColumn<QString>("path");       // empty: an empty box
        QTest::addColumn<QByteArray>("content"); // "<none>": no file, "<folder>": a folder
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("values"); // empty: as loaded
        const auto row = [](const char *name, QString path, QByteArray content, QString message,
                            QStringList values = {}) {
            QTest::newRow(name) << path << content << message << values;
        };
        QStringList lines = netCfgLines(good);
        row("empty path", "", "<none>", "Path is not exist,please set path!");
        row("no such file", "NET.CFG", "<none>", "NET.CFG is not exist");
        row("a folder", "NET.CFG", "<folder>", "NET.CFG is not exist");
        const QString tooShort = "Could not read NET.CFG: it has %1 lines where 15 are needed. "
                                 "Nothing was changed.";
        row("fourteen lines", "NET.CFG", crlf(lines.mid(0, 14)), tooShort.arg(14));
        row("empty file", "NET.CFG", {}, tooShort.arg(0));
        lines[0] = "[SMTP]";
        row("SMTP file", "NET.CFG", crlf(lines), "it is not mms config,don't read this file");
        lines[0] = "XMMS";
        row("XMMS", "NET.CFG", crlf(lines), "", good);

        // The wireless settings window's MMS.INI starts with these fifteen lines.
        const QStringList ini = {"Server=smtp.example.com", "ePort=25",
                                 "eAPN=other.apn",          "Sender=me",
                                 "Password=secret",         "Reciver1=r1@x.y"};
        row("MMS.INI", "MMS.INI", crlf(netCfgLines(good) + ini), "", good);

        QStringList odd = netCfgLines(good), oddValues = good;
        odd[1] = "URL = x", odd[3] = "IP", odd[14] = "E-mail5=y";
        oddValues[0] = "= x", oddValues[2] = "", oddValues[13] = "=y";
        row("keys not compared", "NET.CFG", crlf(odd), "", oddValues);
    }
    void read()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFETCH(QStringList, values);
        WorkingFolder folder;
        if (content == "<folder>")
            QVERIFY(QDir(folder.path()).mkdir(path));
        else if (content != "<none>")
            QVERIFY(folder.write(path, content));
        Form3 form;
        if (values.isEmpty())
            values = form.values();
        form.retype("Text15", path);
        if (!message.isEmpty())
            form.dialogs.expectMessage(message);
        form.click("Command1");
        VERIFY_DIALOGS(form.dialogs);
        QCOMPARE(form.values(), values);
    }

    // Loading runs Auto Setting's country fill. In Auto Setting a picked country or operator
    // fills the network boxes, a typed country waits for a click on Auto Setting. In Manual
    // Setting typed values stay until Auto Setting lets the catalogue replace them.
    void loadThenCountryAndOperator()
    {
        Form3 form;
        QCOMPARE(form.window->objectName(), QStringLiteral("Form3"));
        QCOMPARE(form.window->windowTitle(), QStringLiteral("MMS Setting"));
        QCOMPARE(form.window->minimumSize(), rx20::ui::Twips::toPixels(QSize(8040, 6480)));
        QCOMPARE(form.window->maximumSize(), form.window->minimumSize());
        QVERIFY(form.get<QRadioButton>("Option1")->isChecked());
        QCOMPARE(form.layout(), QStringLiteral("Auto"));
        QVERIFY(!form.get("Text1")->isEnabled() && !form.get("Text4")->isEnabled());
        QCOMPARE(form.items("Combo4"),
                 Catalogue::of(Copy::Mms).findCountry("United States")->operators);

        form.pick("Combo3", "Canada");
        QCOMPARE(form.items("Combo4"), QStringList{"Rogers"});
        QCOMPARE(form.values().mid(0, 4), preset("Canada", "Rogers"));
        form.pick("Combo3", "Australia");
        form.pick("Combo4", "Three");
        QCOMPARE(form.values().mid(0, 4), preset("Australia", "Three"));
        QLineEdit *country = form.get<DropDown>("Combo3")->lineEdit();
        QTest::keyClick(country, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(country, "Slovakia");
        form.click("Option1");
        QCOMPARE(form.items("Combo4"), QStringList{"T-Mobile"});
        QCOMPARE(form.values().mid(0, 4), preset("Slovakia", "T-Mobile"));

        form.click("Option2");
        QCOMPARE(form.layout(), QStringLiteral("Manual"));
        QVERIFY(form.get("Text1")->isEnabled() && form.get("Text4")->isEnabled());
        const QStringList typed = {"my.url", "my.apn", "1.1.1.1", "9999"};
        for (int i = 0; i < 4; ++i)
            form.retype(QStringLiteral("Text%1").arg(i + 1), typed.at(i));
        form.pick("Combo3", "Australia");
        QCOMPARE(form.items("Combo4"), (QStringList{"Optus", "Telstra", "Three", "Vodafone"}));
        form.pick("Combo4", "Three");
        QCOMPARE(form.values().mid(0, 4), typed);
        form.click("Option1"); // the country behaviour preselects the first operator
        QCOMPARE(form.layout(), QStringLiteral("Auto"));
        QCOMPARE(form.values().mid(0, 4), preset("Australia", "Optus"));
        VERIFY_DIALOGS(form.dialogs);

        form.click("Command3"); // Exit unloads it
        QCOMPARE(Forms::loaded("Form3"), nullptr);
        QTRY_VERIFY(form.window.isNull());
    }

    // A screen reader says each control's label, or what one without a label is;
    // Tab walks the window frame by frame, left column first.
    // Auto Setting shows the later values of the operator's network behind a link; "Use them"
    // selects Manual Setting with them typed in; Auto Setting refills the country's preselected
    // operator (BT), which has none.
    void newerSettingsLink()
    {
        Form3 f;
        f.pick("Combo3", "United Kingdom");
        QVERIFY(!f.get("NewerLink")->isVisible()); // BT
        f.pick("Combo4", "T-Mobile");
        QVERIFY(f.get("NewerLink")->isVisible());
        f.dialogs.expectQuestion(true);
        QTest::mouseClick(f.get("NewerLink"), Qt::LeftButton, {}, QPoint(4, 4));
        VERIFY_DIALOGS(f.dialogs);
        QVERIFY(f.dialogs.questions().value(0).contains("is now EE's"));
        QCOMPARE(f.layout(), QStringLiteral("Manual"));
        QVERIFY(f.get<QRadioButton>("Option2")->isChecked());
        QVERIFY(!f.get("NewerLink")->isVisible());
        QCOMPARE(f.values().mid(0, 4),
                 (QStringList{"http://mms/", "eezone", "149.254.201.135", "80"}));
        f.click("Option1");
        QCOMPARE(f.values().at(1), QStringLiteral("btmobile.bt.com"));
        QVERIFY(!f.get("NewerLink")->isVisible());
    }

    void namesAndTabOrder_data()
    {
        using rx20::test::ScreenReader;
        ScreenReader::addColumns();
        ScreenReader::addRow("Option1", "", "Auto Setting", "Combo3"); // one stop for both
        ScreenReader::addRow("Option2", "", "Manual Setting", "Combo3");
        ScreenReader::addRow("Combo3", "Label1", "Country", "Combo4");
        ScreenReader::addRow("Combo4", "Label2", "Operators", "Text5");
        ScreenReader::addRow("Text1", "Label3", "URL", "");
        ScreenReader::addRow("Combo5", "", "APN caption", "");
        ScreenReader::addRow("Text2", "", "APN", "");
        ScreenReader::addRow("Text3", "Label4", "IP", "");
        ScreenReader::addRow("Text4", "Label5", "Port", "");
        ScreenReader::addRow("Text5", "Label6", "Phone 1", "Text6");
        ScreenReader::addRow("Text6", "Label7", "Phone 2", "Text7");
        ScreenReader::addRow("Text7", "Label8", "Phone 3", "Text8");
        ScreenReader::addRow("Text8", "Label9", "Phone 4", "Text9");
        ScreenReader::addRow("Text9", "Label10", "Phone 5", "Text10");
        ScreenReader::addRow("Text10", "Label11", "Email 1", "Text11");
        ScreenReader::addRow("Text11", "Label12", "Email 2", "Text12");
        ScreenReader::addRow("Text12", "Label13", "Email 3", "Text13");
        ScreenReader::addRow("Text13", "Label14", "Email 4", "Text14");
        ScreenReader::addRow("Text14", "Label15", "Email 5", "Text15");
        ScreenReader::addRow("Text15", "Label16", "File Path", "Command4");
        ScreenReader::addRow("Command4", "", "Choose folder", "Command1");
        ScreenReader::addRow("Command1", "", "Read", "Command2");
        ScreenReader::addRow("Command2", "", "Generate", "Command3");
        ScreenReader::addRow("Command3", "", "Exit", "Option1");
    }
    void namesAndTabOrder()
    {
        Form3 form;
        rx20::test::ScreenReader::verifyRow(form.window);
    }
};

QTEST_MAIN(tst_MmsSettingsWindow)
#include "tst_mmssettingswindow.moc"

#include "camera/MmsSettingsWindow.h"
#include "catalogue/Catalogue.h"
#include "support/DialogQueue.h"
#include "support/WorkingFolder.h"
#include "ui/DropDown.h"
#include "ui/Forms.h"
#include "ui/SettingsFile.h"
#include "ui/Twips.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

using rx20::MmsSettingsWindow;
using rx20::SettingsFile;
using rx20::catalogue::Catalogue;
using rx20::catalogue::Copy;
using rx20::test::DialogQueue;
using rx20::test::WorkingFolder;
using rx20::ui::DropDown;

namespace {

const QString warning = QStringLiteral("At least One phone or Email should be input!");
const QString created = QStringLiteral("Create configure file!");

const Catalogue &mms()
{
    return Catalogue::of(Copy::Mms);
}

// The fourteen value boxes in file order (URL, APN, IP, Port, Phone1..5, Email1..5).
const QStringList valueBoxes = {"Text1", "Text2",  "Text3",  "Text4",  "Text5",
                                "Text6", "Text7",  "Text8",  "Text9",  "Text10",
                                "Text11", "Text12", "Text13", "Text14"};

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += line.toLatin1() + "\r\n";
    return out;
}

QStringList valueLines(const QStringList &values)
{
    static const QStringList keys = {"URL=",    "APN=",    "IP=",     "Port=",   "Phone1=",
                                     "Phone2=", "Phone3=", "Phone4=", "Phone5=", "Email1=",
                                     "Email2=", "Email3=", "Email4=", "Email5="};
    QStringList lines{"[MMS]"};
    for (int i = 0; i < keys.size(); ++i)
        lines << keys.at(i) + values.value(i);
    return lines;
}

struct Form3
{
    MmsSettingsWindow window;

    Form3()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    QLineEdit *box(const QString &name) const
    {
        auto *found = window.findChild<QLineEdit *>(name);
        if (!found)
            qFatal("no text box %s", qPrintable(name));
        return found;
    }
    DropDown *combo(const QString &name) const { return window.findChild<DropDown *>(name); }
    QWidget *control(const QString &name) const { return window.findChild<QWidget *>(name); }
    QString text(const QString &name) const { return box(name)->text(); }
    bool shown(const QString &name) const { return control(name)->isVisibleTo(&window); }

    // "Auto" or "Manual" when every control of the mode shows and every other
    // one is hidden.
    QString layout() const
    {
        const QStringList selectors = {"Label1", "Label2", "Combo3", "Combo4"};
        const QStringList network = {"Label3", "Label4", "Label5", "Combo5",
                                     "Text1",  "Text2",  "Text3",  "Text4"};
        const auto all = [this](const QStringList &names, bool visible) {
            return std::all_of(names.begin(), names.end(),
                               [&](const QString &name) { return shown(name) == visible; });
        };
        if (all(selectors, true) && all(network, false))
            return "Auto";
        if (all(selectors, false) && all(network, true))
            return "Manual";
        return "mixed";
    }
    bool networkEnabled() const
    {
        return box("Text1")->isEnabled() && box("Text2")->isEnabled()
               && box("Text3")->isEnabled() && box("Text4")->isEnabled();
    }

    QStringList values() const
    {
        QStringList out;
        for (const QString &name : valueBoxes)
            out << text(name);
        return out;
    }

    // Select everything in the box and type over it, as a user does.
    void retype(const QString &name, const QString &text) const
    {
        QLineEdit *edit = box(name);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    void click(const QString &name) const
    {
        QWidget *target = control(name);
        // An option button takes clicks on its circle and caption only.
        if (qobject_cast<QRadioButton *>(target))
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
        else
            QTest::mouseClick(target, Qt::LeftButton);
    }

    void pick(const QString &comboName, const QString &item) const
    {
        DropDown *box = combo(comboName);
        const int i = box->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        QVERIFY2(i >= 0, qPrintable(item));
        box->setCurrentIndex(i);
        emit box->activated(i);
    }

    QStringList items(const QString &comboName) const
    {
        QStringList out;
        DropDown *box = combo(comboName);
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }
};

// The catalogue's network values for a country and operator, in box order.
QStringList presetValues(const QString &country, const QString &operatorName)
{
    const rx20::catalogue::Preset *preset = mms().findPreset(country, operatorName);
    if (!preset)
        return {};
    return {preset->url.value_or("<none>"), preset->apn, preset->ip.value_or("<none>"),
            preset->port.value_or("<none>")};
}

} // namespace

class tst_MmsSettingsWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { rx20::ui::Forms::reset(); }

    void rightAfterLoad()
    {
        Form3 form;
        QCOMPARE(form.window.objectName(), QStringLiteral("Form3"));
        QCOMPARE(form.window.windowTitle(), QStringLiteral("MMS Setting"));
        const QSize size = rx20::ui::Twips::toPixels(QSize(8040, 6480));
        QCOMPARE(form.window.minimumSize(), size);
        QCOMPARE(form.window.maximumSize(), size);

        auto *auto_ = form.window.findChild<QRadioButton *>("Option1");
        auto *manual = form.window.findChild<QRadioButton *>("Option2");
        QCOMPARE(auto_->text(), QStringLiteral("Auto Setting"));
        QCOMPARE(manual->text(), QStringLiteral("Manual Setting"));
        QVERIFY(auto_->isChecked());
        QVERIFY(!manual->isChecked());

        QCOMPARE(form.combo("Combo3")->text(), QStringLiteral("United States"));
        QCOMPARE(form.items("Combo3"), mms().offeredCountries());
        QCOMPARE(form.items("Combo3").size(), 33);
        QVERIFY(!form.items("Combo3").contains("Germany"));
        QVERIFY(!form.items("Combo3").contains("Slovakia"));
        // The country fill has replaced the design-time operator list.
        QCOMPARE(form.items("Combo4"), mms().findCountry("United States")->operators);
        QCOMPARE(form.combo("Combo4")->text(), QStringLiteral("AT&T Wireless"));
        QCOMPARE(form.items("Combo5"), QStringList{"APN"});
        QCOMPARE(form.combo("Combo5")->text(), QStringLiteral("APN"));

        const QStringList network = presetValues("United States", "AT&T Wireless");
        QCOMPARE(network.value(3), QStringLiteral("80"));
        QCOMPARE(form.values().mid(0, 4), network);
        QCOMPARE(form.values().mid(4), QStringList(10, QString()));
        QCOMPARE(form.text("Text15"), QStringLiteral("C:\\NET.CFG"));

        QCOMPARE(form.layout(), QStringLiteral("Auto"));
        QVERIFY(!form.box("Text1")->isEnabled() && !form.box("Text2")->isEnabled()
                && !form.box("Text3")->isEnabled() && !form.box("Text4")->isEnabled());

        QCOMPARE(form.window.findChild<QGroupBox *>("Frame2")->title(),
                 QStringLiteral("Wireless Select"));
        QCOMPARE(form.window.findChild<QGroupBox *>("Frame3")->title(), QStringLiteral("Send To"));
    }

    void generateWithNothingTyped()
    {
        WorkingFolder folder;
        DialogQueue dialogs;
        Form3 form;
        const QString path = QDir::toNativeSeparators(folder.file("NET.CFG"));
        form.retype("Text15", path);

        dialogs.expectMessage(warning);
        dialogs.expectMessage("Save to " + path);
        dialogs.expectMessage(created);
        form.click("Command2");
        VERIFY_DIALOGS(dialogs);

        QStringList values = presetValues("United States", "AT&T Wireless");
        QCOMPARE(values.value(3), QStringLiteral("80"));
        QCOMPARE(folder.read("NET.CFG"), crlf(valueLines(values)));
    }

    // The file written is the one the box names, relative to the working
    // folder when the path is relative, and the message names that same file.
    // Any one Send To box filled, even with a blank, spares the warning.
    void generateWritesThePathAsTyped_data()
    {
        QTest::addColumn<QString>("typed");    // %1 stands for the working folder
        QTest::addColumn<QString>("location"); // the file in the working folder
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("boxText");
        QTest::newRow("absolute") << QDir::toNativeSeparators("%1/card/NET.CFG") << "card/NET.CFG"
                                  << "Text7" << "333";
        QTest::newRow("bare name") << "NET.CFG" << "NET.CFG" << "Text9" << " ";
        QTest::newRow("relative folder")
            << QDir::toNativeSeparators("card/NET.CFG") << "card/NET.CFG" << "Text14" << "a@b.c";
        QTest::newRow("another name")
            << QDir::toNativeSeparators("%1/card/mms.cfg") << "card/mms.cfg" << "Text5" << "0123";
    }
    void generateWritesThePathAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, location);
        QFETCH(QString, boxName);
        QFETCH(QString, boxText);
        WorkingFolder folder;
        QVERIFY(QDir(folder.path()).mkdir("card"));
        DialogQueue dialogs;
        Form3 form;
        const QString path =
            typed.contains("%1") ? typed.arg(QDir::toNativeSeparators(folder.path())) : typed;
        form.retype("Text15", path);
        form.retype(boxName, boxText);

        dialogs.expectMessage("Save to " + path);
        dialogs.expectMessage(created);
        form.click("Command2");
        VERIFY_DIALOGS(dialogs);
        QStringList expected = presetValues("United States", "AT&T Wireless") + QStringList(10);
        expected[valueBoxes.indexOf(boxName)] = boxText;
        QCOMPARE(folder.read(location), crlf(valueLines(expected)));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 location.contains('/') ? QStringList{} : QStringList{location});
    }

    void pickedPathIsWrittenAndReadBack()
    {
        WorkingFolder folder;
        QVERIFY(QDir(folder.path()).mkdir("card"));
        DialogQueue dialogs;
        Form3 form;

        dialogs.expectFolder(folder.file("card"));
        form.click("Command4");
        const QString path =
            QDir::toNativeSeparators(folder.file("card")) + QDir::separator() + "NET.CFG";
        QCOMPARE(form.text("Text15"), path);

        form.retype("Text5", "+4412345");
        form.retype("Text12", "me@example.com");
        dialogs.expectMessage("Save to " + path);
        dialogs.expectMessage(created);
        form.click("Command2");
        QVERIFY(QFile::exists(folder.file("card/NET.CFG")));
        const QStringList written = form.values();

        form.retype("Text5", "");
        form.retype("Text12", "other@example.com");
        form.click("Command1"); // no message on success
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(form.values(), written);
    }

    // Each refusal or failure shows one message and changes no box, and the
    // window reads a good file afterwards.
    void readRefusals_data()
    {
        QTest::addColumn<QString>("fileName"); // in the working folder; empty for an empty box
        QTest::addColumn<QByteArray>("content"); // "<none>" for no file, "<folder>" for a folder
        QTest::addColumn<QString>("message");    // "<short N>" for the too-short failure
        const QStringList full = valueLines({"u", "a", "i", "p"});
        QTest::newRow("empty path") << "" << QByteArray("<none>")
                                    << "Path is not exist,please set path!";
        QTest::newRow("no such file") << "NET.CFG" << QByteArray("<none>") << "NET.CFG is not exist";
        QTest::newRow("a folder") << "NET.CFG" << QByteArray("<folder>") << "NET.CFG is not exist";
        QStringList smtp = full;
        smtp[0] = "[SMTP]";
        QTest::newRow("SMTP file") << "NET.CFG" << crlf(smtp)
                                   << "it is not mms config,don't read this file";
        QStringList lower = full;
        lower[0] = "[mms]";
        QTest::newRow("lower case header")
            << "NET.CFG" << crlf(lower) << "it is not mms config,don't read this file";
        QTest::newRow("fourteen lines") << "NET.CFG" << crlf(full.mid(0, 14)) << "<short 14>";
        QTest::newRow("header only, no line end") << "NET.CFG" << QByteArray("[MMS]")
                                                  << "<short 1>";
        QTest::newRow("empty file") << "NET.CFG" << QByteArray() << "<short 0>";
        // A file that opens but fails while being read.
        QTest::newRow("unreadable") << "/proc/self/mem" << QByteArray("<none>") << "<layer>";
    }
    void readRefusals()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        WorkingFolder folder;
        if (content == "<folder>")
            QVERIFY(QDir(folder.path()).mkdir(fileName));
        else if (content != "<none>")
            QVERIFY(folder.write(fileName, content));
        DialogQueue dialogs;
        Form3 form;
        form.click("Option2"); // every box typed into, the network ones too
        for (const QString &name : valueBoxes)
            form.retype(name, "kept " + name);
        const QStringList before = form.values();
        const QString path = fileName.isEmpty() || QDir::isAbsolutePath(fileName)
                                 ? fileName
                                 : QDir::toNativeSeparators(folder.file(fileName));
        form.retype("Text15", path);

        if (message.startsWith("<short "))
            message = SettingsFile::tooShort(path, 15, message.mid(7).chopped(1).toInt()).message;
        if (message == "<layer>") {
            const rx20::FileStatus status = SettingsFile::read(path).status;
            if (status.ok || !QFileInfo(path).isFile())
                QSKIP("no file here that fails while being read");
            message = status.message;
        }
        dialogs.expectMessage(message);
        form.click("Command1");
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(form.values(), before);

        const QStringList good = {"u", "a", "i", "p", "1", "2", "3", "4", "5",
                                  "e1", "e2", "e3", "e4", "e5"};
        QVERIFY(folder.write("good.cfg", crlf(valueLines(good))));
        form.retype("Text15", "good.cfg");
        form.click("Command1");
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(form.values(), good);
    }

    void readTakesValuesByPosition_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("values");
        const QStringList values = {"mms.example.com/mms", "mms.apn", "10.0.0.1", "8080",
                                    "1", "22", "", " 4", "5", "a@b.c", "", "c@d.e", "", "x"};
        QStringList xmms = valueLines(values);
        xmms[0] = "XMMS";
        QTest::newRow("first line XMMS") << xmms << values;

        // MMS.INI of the wireless settings window: its first fifteen lines are this layout.
        QStringList ini = valueLines(values);
        ini << "Server=smtp.example.com" << "ePort=25" << "eAPN=other.apn" << "Sender=me"
            << "Password=secret";
        for (int i = 1; i <= 5; ++i)
            ini << QStringLiteral("Reciver%1=r%1@x.y").arg(i);
        QCOMPARE(ini.size(), 25);
        QTest::newRow("MMS.INI") << ini << values;

        QStringList spaced = valueLines(values);
        spaced[1] = "URL = x";
        spaced[3] = "IP";
        spaced[14] = "E-mail5=y";
        QStringList spacedValues = values;
        spacedValues[0] = "= x";
        spacedValues[2] = "";
        spacedValues[13] = "=y"; // "E-mail5=" cut after seven characters
        QTest::newRow("keys not compared") << spaced << spacedValues;
    }
    void readTakesValuesByPosition()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, values);
        WorkingFolder folder;
        QVERIFY(folder.write("NET.CFG", crlf(lines)));
        DialogQueue dialogs;
        Form3 form;
        const QStringList operators = form.items("Combo4");
        form.retype("Text15", "NET.CFG");
        form.click("Command1");
        QCOMPARE(form.values(), values);

        // Mode, visibility, enabled state and selectors stay as they were;
        // the hidden network boxes hold the file's values and Generate writes them.
        QVERIFY(form.window.findChild<QRadioButton *>("Option1")->isChecked());
        QCOMPARE(form.layout(), QStringLiteral("Auto"));
        QVERIFY(!form.control("Text1")->isEnabled());
        QCOMPARE(form.items("Combo4"), operators);
        QCOMPARE(form.combo("Combo3")->text(), QStringLiteral("United States"));
        form.retype("Text15", "copy.cfg");
        dialogs.expectMessage("Save to copy.cfg");
        dialogs.expectMessage(created);
        form.click("Command2");
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(folder.read("copy.cfg"), crlf(valueLines(values)));
    }

    // In Manual Setting the operator behaviour leaves typed values alone while
    // the country behaviour still rebuilds the list; Auto Setting then lets
    // the catalogue replace them.
    void manualTypingThenAuto()
    {
        DialogQueue dialogs;
        Form3 form;
        const QStringList usValues = presetValues("United States", "AT&T Wireless");
        form.click("Option2");
        QVERIFY(!form.window.findChild<QRadioButton *>("Option1")->isChecked());
        QCOMPARE(form.layout(), QStringLiteral("Manual"));
        QVERIFY(form.networkEnabled());
        QCOMPARE(form.values().mid(0, 4), usValues); // switching keeps the contents

        const QStringList typed = {"my.url", "my.apn", "1.1.1.1", "9999"};
        for (int i = 0; i < 4; ++i)
            form.retype(valueBoxes.at(i), typed.at(i));
        form.pick("Combo3", "Canada");
        QCOMPARE(form.items("Combo4"), QStringList{"Rogers"});
        QCOMPARE(form.combo("Combo4")->text(), QStringLiteral("Rogers"));
        QCOMPARE(form.values().mid(0, 4), typed);
        form.pick("Combo3", "Australia");
        form.pick("Combo4", "Three");
        QCOMPARE(form.values().mid(0, 4), typed);

        // Auto runs the country behaviour again, which preselects the first operator.
        form.click("Option1");
        QVERIFY(!form.window.findChild<QRadioButton *>("Option2")->isChecked());
        QCOMPARE(form.layout(), QStringLiteral("Auto"));
        QVERIFY(form.networkEnabled()); // Auto does not disable them again
        QCOMPARE(form.combo("Combo4")->text(), QStringLiteral("Optus"));
        QCOMPARE(form.values().mid(0, 4), presetValues("Australia", "Optus"));
        VERIFY_DIALOGS(dialogs);
    }

    void choosingACountryAndOperatorFillsTheBoxes_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("operatorName"); // picked after the country; empty for none
        QTest::addColumn<QStringList>("operators");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("apn"); // empty: as the catalogue holds it
        QTest::newRow("Canada") << "Canada" << "" << QStringList{"Rogers"} << "Rogers" << "";
        QTest::newRow("Australia, Three")
            << "Australia" << "Three" << QStringList{"Optus", "Telstra", "Three", "Vodafone"}
            << "Three" << "3services";
        QTest::newRow("United States, T-Mobile")
            << "United States" << "T-Mobile"
            << QStringList{"AT&T Wireless", "Cingular", "T-Mobile", "Orange"} << "T-Mobile" << "";
    }
    void choosingACountryAndOperatorFillsTheBoxes()
    {
        QFETCH(QString, country);
        QFETCH(QString, operatorName);
        QFETCH(QStringList, operators);
        QFETCH(QString, shown);
        QFETCH(QString, apn);
        DialogQueue dialogs;
        Form3 form;
        form.pick("Combo3", country);
        if (!operatorName.isEmpty())
            form.pick("Combo4", operatorName);
        QCOMPARE(form.items("Combo4"), operators);
        QCOMPARE(form.combo("Combo4")->text(), shown);

        const QStringList expected = presetValues(country, shown);
        QCOMPARE(expected.size(), 4);
        QCOMPARE(form.values().mid(0, 4), expected);
        QCOMPARE(form.text("Text4"), QStringLiteral("80"));
        if (!apn.isEmpty())
            QCOMPARE(form.text("Text2"), apn);
        VERIFY_DIALOGS(dialogs);
    }

    // Slovakia is not in the list, but a typed country is looked up when
    // Auto Setting is clicked.
    void typedCountryIsLookedUpByAutoSetting()
    {
        DialogQueue dialogs;
        Form3 form;
        QVERIFY(!form.items("Combo3").contains("Slovakia"));
        QLineEdit *country = form.combo("Combo3")->lineEdit();
        QTest::keyClick(country, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(country, "Slovakia");
        QCOMPARE(form.items("Combo4"), mms().findCountry("United States")->operators);

        form.click("Option1");
        QCOMPARE(form.items("Combo4"), QStringList{"T-Mobile"});
        QCOMPARE(form.combo("Combo4")->text(), QStringLiteral("T-Mobile"));
        QCOMPARE(form.text("Text2"), QStringLiteral("mms"));
        QCOMPARE(form.text("Text4"), QStringLiteral("80"));
        QCOMPARE(form.values().mid(0, 4), presetValues("Slovakia", "T-Mobile"));
        VERIFY_DIALOGS(dialogs);
    }

    // A failed Generate shows what went wrong instead of the success message,
    // leaves no file behind and the window goes on working.
    void generateFailures_data()
    {
        QTest::addColumn<QString>("typed"); // %1 stands for the working folder
        QTest::addColumn<QString>("message");
        QTest::newRow("empty File Path")
            << "" << "Could not write NET.CFG: the File Path box is empty.";
        QTest::newRow("missing folder")
            << QDir::toNativeSeparators("%1/missing/NET.CFG")
            << QStringLiteral("Could not write %1: the folder %2 does not exist.")
                   .arg(QDir::toNativeSeparators("%1/missing/NET.CFG"),
                        QDir::toNativeSeparators("%1/missing"));
        QTest::newRow("a folder")
            << QDir::toNativeSeparators("%1/card")
            << QStringLiteral("Could not write %1: a folder of that name is in the way.")
                   .arg(QDir::toNativeSeparators("%1/card"));
        QTest::newRow("read-only medium") << "/proc/NET.CFG" << "<layer>";
    }
    void generateFailures()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        WorkingFolder folder;
        QVERIFY(QDir(folder.path()).mkdir("card"));
        if (typed.startsWith("/proc/") && !QFileInfo(QStringLiteral("/proc")).isDir())
            QSKIP("no read-only /proc on this system");
        const QString work = QDir::toNativeSeparators(folder.path());
        const QString path = typed.contains("%1") ? typed.arg(work) : typed;
        if (message == "<layer>") {
            const rx20::FileStatus status = SettingsFile::write(path, {"probe"});
            QVERIFY(!status.ok);
            message = status.message;
        }
        message.replace("%1", work);
        DialogQueue dialogs;
        Form3 form;
        form.retype("Text5", "0123");
        form.retype("Text15", path);

        if (!path.isEmpty())
            dialogs.expectMessage("Save to " + path);
        dialogs.expectMessage(message);
        form.click("Command2");
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{});
        QVERIFY(QDir(folder.file("card")).isEmpty());

        form.retype("Text15", "NET.CFG");
        dialogs.expectMessage("Save to NET.CFG");
        dialogs.expectMessage(created);
        form.click("Command2");
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(folder.read("NET.CFG"), crlf(valueLines(form.values())));
    }

    // A pasted line break would add lines to the file; the file already
    // there stays whole.
    void pastedLineBreakKeepsThePreviousFile()
    {
        WorkingFolder folder;
        const QByteArray before = crlf(valueLines({"old"}));
        QVERIFY(folder.write("NET.CFG", before));
        DialogQueue dialogs;
        Form3 form;
        form.retype("Text15", "NET.CFG");
        QGuiApplication::clipboard()->setText("0123\r\nPhone2=999");
        QLineEdit *phone = form.box("Text5");
        QTest::keyClick(phone, Qt::Key_V, Qt::ControlModifier);
        if (!phone->text().contains('\n'))
            QSKIP("this platform's text box drops pasted line breaks");

        QByteArray bytes;
        const rx20::FileStatus refused = SettingsFile::encode({"Phone1=" + phone->text()}, &bytes);
        QVERIFY(!refused.ok);
        dialogs.expectMessage("Save to NET.CFG");
        dialogs.expectMessage(refused.message);
        form.click("Command2");
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(folder.read("NET.CFG"), before);
    }

    void exitUnloadsTheWindow()
    {
        rx20::ui::Forms::define("Form3", [] { return new MmsSettingsWindow; });
        QPointer<QWidget> window = rx20::ui::Forms::show("Form3");
        QVERIFY(window);
        QTest::mouseClick(window->findChild<QPushButton *>("Command3"), Qt::LeftButton);
        QCOMPARE(rx20::ui::Forms::loaded("Form3"), nullptr);
        QVERIFY(window->isHidden());
        QTRY_VERIFY(window.isNull());

        // The next show loads it afresh.
        QWidget *again = rx20::ui::Forms::show("Form3");
        QCOMPARE(again->findChild<QLineEdit *>("Text15")->text(), QStringLiteral("C:\\NET.CFG"));
    }
};

QTEST_MAIN(tst_MmsSettingsWindow)
#include "tst_mmssettingswindow.moc"

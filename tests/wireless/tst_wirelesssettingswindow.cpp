#include "app/FormDefinitions.h"
#include "files/SettingsFile.h"
#include "support/DialogQueue.h"
#include "support/ScreenReader.h"
#include "support/WorkingFolder.h"
#include "ui/DropDown.h"
#include "ui/Forms.h"
#include "ui/Twips.h"
#include "wireless/WirelessSettingsWindow.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using rx20::SettingsFile;
using rx20::WirelessSettingsWindow;
using rx20::test::DialogQueue;
using rx20::test::WorkingFolder;
using rx20::ui::DropDown;
using rx20::ui::Forms;

namespace {

const QString success = QStringLiteral("Create configure file success.");
const QString readSuccess = QStringLiteral("Read configure file success.");
const QString needPhone = QStringLiteral("Need Phone Number Input");
const QString needEmail = QStringLiteral("Need Email Input");

// APN, password, account, URL, IP, port: the boxes Setting Mode shows and hides.
const QStringList six = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
// The boxes MMS.INI holds, in the order of its values.
const QStringList fileBoxes = {"Text4",  "Text1",  "Text5",  "Text6",  "Text7",  "Text8",
                               "Text9",  "Text10", "Text11", "Text12", "Text13", "Text14",
                               "Text15", "Text16", "Text20", "Text21", "Text19", "Text18"};
const QStringList alwaysShown = fileBoxes.mid(4) << "Text17";

// MMS.INI as the camera expects it: the given "Key=value" lines, every other value empty.
QByteArray mmsIni(const QStringList &given)
{
    QByteArray out = "[MMS]\r\n";
    for (const QString &key : QString("URL APN IP Port Phone1 Phone2 Phone3 Phone4 Phone5 Email1 "
                                      "Email2 Email3 Email4 Email5 Server ePort eAPN Sender "
                                      "Password Reciver1 Reciver2 Reciver3 Reciver4 Reciver5")
                                  .split(' ')) {
        const QStringList line = given.filter(QRegularExpression("^" + key + "="));
        out += (line.isEmpty() ? key + "=" : line.first()).toLatin1() + "\r\n";
    }
    return out;
}

} // namespace

class tst_WirelessSettingsWindow : public QObject
{
    Q_OBJECT

    QPointer<QWidget> w; // the window the helpers drive

    void open()
    {
        w = new WirelessSettingsWindow;
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    template <typename T = QLineEdit> T *at(const QString &name)
    {
        T *found = w->findChild<T *>(name);
        return found ? found : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    DropDown *combo(const QString &name) { return at<DropDown>(name); }
    QStringList texts(const QStringList &names)
    {
        QStringList out;
        for (const QString &name : names)
            out << at(name)->text();
        return out;
    }
    // "on": shown and enabled, "off": hidden and disabled.
    QStringList states(const QStringList &names)
    {
        QStringList out;
        for (const QString &name : names) {
            const bool shown = at(name)->isVisible(), enabled = at(name)->isEnabled();
            out << (shown != enabled ? "mixed" : shown ? "on" : "off");
        }
        return out;
    }
    QStringList items(const QString &name)
    {
        QStringList out;
        for (int i = 0; i < combo(name)->count(); ++i)
            out << combo(name)->itemText(i);
        return out;
    }
    // The user clicks into a box (or a selector's text) and types over what it holds; "\r"
    // is the Enter key, keys outside ASCII come from the user's keyboard layout.
    void type(const QString &name, const QString &typed)
    {
        QLineEdit *box = name.startsWith("Combo") ? combo(name)->lineEdit() : at(name);
        box->setFocus();
        box->selectAll();
        for (const QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, box, c == '\r' ? Qt::Key_Return : Qt::Key_unknown,
                                QString(c), {});
    }
    // The user picks an item of a selector's list; a disabled selector does not open.
    bool pick(const QString &name, const QString &item)
    {
        DropDown *selector = combo(name);
        const int index = selector->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0 || !selector->isEnabled())
            return false;
        selector->setCurrentIndex(index);
        emit selector->activated(index);
        return true;
    }
    void click(const QString &name) { QTest::mouseClick(at<QPushButton>(name), Qt::LeftButton); }
    void clickRead() { at<QPushButton>("Command1")->click(); } // hidden, but still wired

private slots:
    void cleanup()
    {
        Forms::reset();
        delete w;
    }

    void design()
    {
        rx20::test::ProgramEndRecorder ended;
        open();
        QCOMPARE(w->objectName(), QStringLiteral("Form5"));
        QCOMPARE(w->windowTitle(), QStringLiteral("GPRS SETTINGS"));
        QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w->size(), rx20::ui::Twips::toPixels(QSize(11610, 10770)));
        QCOMPARE(w->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Highlight));
        QCOMPARE(w->font().family(), QStringLiteral("Times New Roman"));
        QVERIFY(w->font().bold() && qAbs(w->font().pointSizeF() - 14) < 0.5);

        // Each control's caption, or a selector's text.
        const char *captions =
            "Frame1=MMS Setting;Frame2=GPRS Setting;Frame3=Server Setting;"
            "Frame4=Server Setting;Frame6=Phone Setting;Frame10=Email Setting;"
            "Label1=Wireless Mode;Label2=Setting Mode;Label3=Country;Label4=Operators;"
            "Label5=APN;Label7=Account;Label6=Password;Label8=URL;Label9=IP;Label10=Port;"
            "Label25=Server;Label26=Port;Label24=Email;Label23=Password;Label22=SSL;"
            "Label12=Phone 1;Label13=Phone 2;Label14=Phone 3;Label15=Phone 4;Label16=Phone 5;"
            "Label17=Email 1;Label18=Email 2;Label19=Email 3;Label20=Email 4;Label21=Email 5;"
            "Label11=Path;Command1=Read;Command2=Generate;Command3=Exit;Command4=...;"
            "Combo1=MMS/SMTP;Combo2=Auto;Combo3=;Combo4=;Combo5=YES";
        for (const QString &entry : QString(captions).split(';')) {
            QWidget *control = at<QWidget>(entry.section('=', 0, 0));
            const char *caption = qobject_cast<QGroupBox *>(control)  ? "title"
                                  : qobject_cast<DropDown *>(control) ? "currentText"
                                                                      : "text";
            QCOMPARE(control->property(caption).toString(), entry.section('=', 1));
        }
        QCOMPARE(
            items("Combo1") + items("Combo2") + items("Combo4") + items("Combo5"),
            (QStringList{"MMS", "Auto", "Manual", "China Mobile", "China Unicom", "YES", "NO"}));
        QCOMPARE(items("Combo3").size(), 35);
        QVERIFY(!combo("Combo1")->isEnabled());

        // Hidden at design time: Read, the SSL row, the account and password rows. Auto
        // hides and disables the six; the other boxes are there to type into.
        for (const char *name : {"Command1", "Label22", "Combo5", "Label6", "Label7"})
            QVERIFY2(!at<QWidget>(name)->isVisible(), name);
        QCOMPARE(states(six), QStringList(6, "off"));
        QCOMPARE(states(alwaysShown), QStringList(15, "on"));
        QCOMPARE(texts(six + alwaysShown), QStringList(21, QString()));
        for (const char *name : {"Text18", "Text19", "Text20", "Text21", "Combo5"})
            QCOMPARE(at<QWidget>(name)->palette().color(QPalette::Text), QColor(0, 0, 255));

        type("Text7", "12");
        QTest::keyClick(at("Text7"), Qt::Key_Escape);
        QCOMPARE(ended.count(), 1);
    }

    void typicalUseThenExitAndReopen()
    {
        DialogQueue dialogs;
        WorkingFolder folder;
        QVERIFY(QDir(folder.path()).mkdir("card"));
        rx20::defineForms();
        QWidget *main = Forms::show("Form1");
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->move(main->pos() + QPoint(17, 11));
        const QPoint where = main->pos();
        auto *link = main->findChild<QLabel *>("Label5");
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(!main->isVisible());
        w = Forms::loaded("Form5");
        QVERIFY(qobject_cast<WirelessSettingsWindow *>(w) && w->isVisible());

        QVERIFY(pick("Combo3", "United Kingdom"));
        QCOMPARE(items("Combo4"), (QStringList{"BT", "O2", "Orange", "Tesco", "Three", "T-Mobile",
                                               "Virgin", "Vodafone"}));
        QCOMPARE(combo("Combo4")->text(), QStringLiteral("BT"));
        QCOMPARE(texts(six), QString("btmobile.bt.com|||http://mms.bt.com/servlets/mms|"
                                     "212.183.137.12|80")
                                 .split('|'));
        type("Text7", "+44 7700 900123");
        type("Text20", "smtp.example.co.uk");
        type("Text21", "25");
        type("Text19", "camera@example.co.uk");
        type("Text18", "pa55 word");
        type("Text12", "me@example.co.uk");
        type("Text13", "office@example.co.uk");
        dialogs.expectFolder(folder.file("card"));
        click("Command4");
        QCOMPARE(at("Text17")->text(),
                 QDir::toNativeSeparators(folder.file("card")) + QDir::separator() + "NET.CFG");
        dialogs.expectMessage(success);
        click("Command2");
        QCOMPARE(folder.read("card/MMS.INI"),
                 mmsIni({"URL=http://mms.bt.com/servlets/mms", "APN=btmobile.bt.com",
                         "IP=212.183.137.12", "Port=80", "Phone1=+44 7700 900123",
                         "Email1=me@example.co.uk", "Email2=office@example.co.uk",
                         "Server=smtp.example.co.uk", "ePort=25", "eAPN=btmobile.bt.com",
                         "Sender=camera@example.co.uk", "Password=pa55 word",
                         "Reciver1=me@example.co.uk", "Reciver2=office@example.co.uk"}));
        VERIFY_DIALOGS(dialogs);

        // Exit discards the window and shows the main window where it was.
        QPointer<QWidget> first = w;
        click("Command3");
        QVERIFY(!Forms::loaded("Form5") && main->isVisible());
        QCOMPARE(main->pos(), where);
        QTRY_VERIFY(first.isNull());
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
        w = Forms::loaded("Form5");
        QVERIFY(w && w->isVisible());
        QCOMPARE(combo("Combo3")->text() + combo("Combo4")->text(), QString());
        QCOMPARE(texts(six + alwaysShown), QStringList(21, QString()));
    }

    void settingModeThenGenerateAndRead()
    {
        DialogQueue dialogs;
        WorkingFolder folder;
        open();
        // Typing into a selector runs nothing.
        type("Combo2", "Manual\r");
        type("Combo3", "Canada\r");
        QCOMPARE(states(six), QStringList(6, "off"));
        QCOMPARE(items("Combo4"), (QStringList{"China Mobile", "China Unicom"}));
        QVERIFY(pick("Combo3", "Russia"));
        QVERIFY(pick("Combo4", "Beeline")); // fills all six, the account and password too
        type("Text7", "123");
        type("Text12", "a@b.c");
        const QStringList kept = texts(alwaysShown);

        QVERIFY(pick("Combo2", "Manual"));
        QCOMPARE(texts(six), QStringList(6, QString()));
        QCOMPARE(states(six), (QStringList{"on", "off", "off", "on", "on", "on"}));
        QCOMPARE(combo("Combo3")->text() + combo("Combo4")->text(), QString());
        QCOMPARE(items("Combo4"), (QStringList{"Beeline", "Megafon", "MTS", "TELE2"}));
        QVERIFY(!pick("Combo3", "Canada") && !pick("Combo4", "MTS")); // locked
        QCOMPARE(texts(alwaysShown), kept);
        type("Text1", "first");
        type("Text6", "80");
        QVERIFY(pick("Combo2", "Manual"));
        QCOMPARE(texts(six), QStringList(6, QString()));

        // Auto hides the boxes without clearing them, and Generate still writes them.
        QStringList typed;
        for (const QString &name : fileBoxes) {
            typed << (name == "Text18" ? QStringLiteral(" pass word ")
                                       : QString::fromUtf8("v-%1-é").arg(name));
            type(name, typed.last());
        }
        QVERIFY(pick("Combo2", "Auto"));
        QCOMPARE(states(six), QStringList(6, "off"));
        QCOMPARE(texts(fileBoxes), typed);
        dialogs.expectMessage(success);
        click("Command2");

        // A Russian operator fills the hidden boxes; the user retypes the rest. Read
        // restores every box and changes nothing else.
        QVERIFY(pick("Combo3", "Russia"));
        QVERIFY(pick("Combo4", "Beeline"));
        for (const QString &name : alwaysShown)
            type(name, "changed");
        dialogs.expectMessage(readSuccess);
        clickRead();
        QCOMPARE(texts(fileBoxes), typed);
        QCOMPARE(texts({"Text2", "Text3", "Text17"}),
                 (QStringList{"beeline", "beeline", "changed"}));
        QCOMPARE(combo("Combo2")->text() + combo("Combo3")->text() + combo("Combo4")->text(),
                 QStringLiteral("AutoRussiaBeeline"));
        QCOMPARE(states(six), QStringList(6, "off"));
        VERIFY_DIALOGS(dialogs);
    }

    void countriesAndOperators_data()
    {
        QTest::addColumn<QStringList>("names"); // the country, then maybe an operator
        QTest::addColumn<int>("listed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("values"); // Text1 ... Text6
        // Every row starts from Russia's Beeline, which fills all six.
        const char *beeline = "mms.beeline.ru|beeline|beeline|http://mms/|192.168.094.023|8080";
        const auto row = [](const char *name, const QStringList &names, int listed,
                            const char *shown, const char *values) {
            QTest::newRow(name) << names << listed << shown << values;
        };
        row("Canada shows Roger", {"Canada"}, 5, "Roger",
            "rogers-core-appl1.apn|beeline|beeline|http://mms.gprs.rogers.com|10.128.1.69|80");
        row("Slovakia shows T-Mobile", {"Slovakia"}, 3, "T-Mobile",
            "mms|beeline|beeline|http://mms|192.168.1.1|8080");
        row("Slovakia, Orange", {"Slovakia", "Orange"}, 3, "Orange",
            "mms|beeline|beeline|http://imms.orange.sk|213.151.208.145|8799");
        row("Croatia is country-wide", {"Croatia"}, 1, "VIPNet",
            "mms.vipnet.hr|beeline|beeline|http://mms.vipnet.hr/servlets/mms|212.91.99.91|80");
        row("Germany shows none", {"Germany"}, 5, "", beeline);
        row("Germany, T-Mobile", {"Germany", "T-Mobile"}, 5, "T-Mobile",
            "internet.t-mobile|tm|t-mobile|http://mms.t-mobile.de/servlets/mms|"
            "172.028.023.131|8008");
        row("Russia again shows none", {"Russia"}, 4, "", beeline);
        row("Megafon empties the credentials", {"Russia", "Megafon"}, 4, "Megafon",
            "mms|||http://mmsc:8002|10.10.10.10|8080");
        row("TELE2 keeps the credentials", {"Russia", "TELE2"}, 4, "TELE2",
            "mms.tele2.ru|beeline|beeline|http://mmsc.tele2.ru|193.12.40.65|8080");
        row("Australia, Three has no preset", {"Australia", "Three"}, 4, "Three",
            "mms|beeline|beeline|http://mmsc.optus.com.au:8002/|61.88.190.10|8070");
    }
    void countriesAndOperators()
    {
        QFETCH(QStringList, names);
        QFETCH(int, listed);
        QFETCH(QString, shown);
        QFETCH(QString, values);
        open();
        QVERIFY(pick("Combo3", "Russia"));
        QVERIFY(pick("Combo4", "Beeline"));
        for (int i = 0; i < names.size(); ++i)
            QVERIFY(pick(i == 0 ? "Combo3" : "Combo4", names.at(i)));
        QCOMPARE(combo("Combo4")->count(), listed);
        QCOMPARE(combo("Combo4")->text(), shown);
        QCOMPARE(texts(six), values.split('|'));
    }

    void generate_data()
    {
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("path");   // "X" is the card
        QTest::addColumn<QString>("target"); // none: Generate fails
        QTest::addColumn<QStringList>("messages");
        const auto row = [](const char *name, const char *phone, const char *email,
                            const char *path, const char *target, const QStringList &messages) {
            QTest::newRow(name) << phone << email << path << target << messages;
        };
        row("no phone, no e-mail", "", "", "", "MMS.INI", {needPhone, needEmail, success});
        row("no phone", "", "a@b.c", "", "MMS.INI", {needPhone, success});
        row("no e-mail", "12", "", "", "MMS.INI", {needEmail, success});
        row("a space is a value", " ", " ", "", "MMS.INI", {success});
        row("X/NET.CFG", "1", "a@b.c", "X/NET.CFG", "X/MMS.INI", {success});
        row("X/DCIM/", "1", "a@b.c", "X/DCIM/", "X/DCIM/MMS.INI", {success});
        row("X/DCIM", "1", "a@b.c", "X/DCIM", "X/MMS.INI", {success});
        row("no separator", "1", "a@b.c", "NET.CFG", "MMS.INI", {success});
        row("missing folder", "1", "a@b.c", "X/missing/NET.CFG", "", {}); // a failure
    }
    void generate()
    {
        QFETCH(QString, phone);
        QFETCH(QString, email);
        QFETCH(QString, path);
        QFETCH(QString, target);
        QFETCH(QStringList, messages);
        DialogQueue dialogs;
        WorkingFolder folder;
        QVERIFY(QDir(folder.path()).mkpath("X/DCIM"));
        // A longer old MMS.INI wherever the file could go.
        const QByteArray old =
            QByteArray("Reciver9=a line longer than any new one\r\n").repeated(30);
        const QStringList places = {"MMS.INI", "X/MMS.INI", "X/DCIM/MMS.INI"};
        for (const QString &place : places)
            QVERIFY(folder.write(place, old));
        open();
        type("Text8", "2"); // only the first phone and e-mail are asked for
        type("Text13", "b@c");
        type("Text7", phone);
        type("Text12", email);
        type("Text17", path.startsWith("X/") ? QDir::toNativeSeparators(folder.file(path)) : path);
        if (messages.isEmpty()) // what the file layer reports, and no success after it
            messages << SettingsFile::write(folder.file("X/missing/MMS.INI"), {}).message;
        for (const QString &message : messages)
            dialogs.expectMessage(message);
        click("Command2");
        const QByteArray written = mmsIni({"Phone1=" + phone, "Phone2=2", "Email1=" + email,
                                           "Email2=b@c", "Reciver1=" + email, "Reciver2=b@c"});
        for (const QString &place : places)
            QCOMPARE(folder.read(place), place == target ? written : old);
        VERIFY_DIALOGS(dialogs);
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // none: no file
        QTest::addColumn<QString>("values");   // of fileBoxes; none: Read fails
        const QByteArray full = mmsIni({"APN=zz", "Phone1=9", "Email1=z", "Reciver1=z"});
        QTest::newRow("missing") << QByteArray() << QString();
        QTest::newRow("24 lines") << full.left(full.lastIndexOf("Reciver5")) << QString();
        // Other keys of the same length, lines shorter than their key, the later line
        // winning, LF line ends and lines after the 25th.
        QTest::newRow("odd but whole")
            << QByteArray("[SOMETHING]\nURL=\nXYZ=apn-first\nIP\nPORT:8080\nPHONE1:111\n"
                          "Phone2=222\nP\nPhone4=444\nPhone5=555\nEmail1=early\nEmail2=e2\n"
                          "Email3=e3\nEmail4=e4\nEmail5=e5\nSERVER:smtp\nePort=25\n"
                          "eAPN=apn-late\nSender=snd\nPassword=pw\nReciver1=late\nReciver2=e2\n"
                          "Reciver3=e3\nReciver4=e4\nReciver5=\nReciver1=ignored\neAPN=ignored")
            << "|apn-late||8080|111|222||444|555|late|e2|e3|e4||smtp|25|snd|pw";
    }
    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, values);
        DialogQueue dialogs;
        WorkingFolder folder;
        const QString path = folder.file("MMS.INI");
        if (!bytes.isEmpty())
            QVERIFY(folder.write("MMS.INI", bytes));
        const QString expected = !values.isEmpty() ? readSuccess
                                 : !bytes.isEmpty()
                                     ? SettingsFile::tooShort(path, 25, bytes.count('\n')).message
                                     : SettingsFile::read(path).status.message;
        open();
        QVERIFY(pick("Combo3", "China"));
        type("Text7", "123");
        type("Text12", "mine@example.com");
        type("Text20", "smtp.example.com");
        const QStringList before = texts(fileBoxes);
        dialogs.expectMessage(expected);
        clickRead();
        QCOMPARE(texts(fileBoxes), values.isEmpty() ? before : values.split('|'));
        dialogs.expectMessage(success); // the window stays usable
        click("Command2");
        VERIFY_DIALOGS(dialogs);
    }

    // A screen reader says each box's label, or what a control without one is;
    // Tab walks the window frame by frame, left column first ("" where the
    // start state leaves the control out of reach).
    // In Auto, a link beside the operator offers what later public lists give for its
    // network; "Use them" turns to Manual with those values typed in, Cancel changes nothing.
    void newerSettings_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("operatorName");
        QTest::addColumn<bool>("use");
        QTest::addColumn<QStringList>("says"); // in the question, in this order; none: no link
        QTest::addColumn<QStringList>("boxes"); // APN, URL, IP, port afterwards

        QTest::newRow("no later values") << "United Kingdom" << "BT" << false << QStringList()
                                          << QStringList{"btmobile.bt.com",
                                                         "http://mms.bt.com/servlets/mms",
                                                         "212.183.137.12", "80"};
        QTest::newRow("successor's, used")
            << "United Kingdom" << "T-Mobile" << true
            << QStringList{"The network of T-Mobile (United Kingdom) is now EE's.",
                           "APN: eezone (Android APN list, 2024)",
                           "URL: http://mms/ (Android APN list, 2024)",
                           "nothing is written until \"Generate\"."}
            << QStringList{"eezone", "http://mms/", "149.254.201.135", "80"};
        QTest::newRow("own, host-name proxy, used")
            << "Canada" << "Roger" << true
            << QStringList{"Later public lists give other settings for Roger (Canada):",
                           "APN: ltemobile.apn (Android APN list, 2024)",
                           "IP: mmsproxy.rogers.com (Android APN list, 2024)",
                           "mmsproxy.rogers.com is a host name. The camera needs the proxy's "
                           "address in digits: look it up and type it into IP."}
            << QStringList{"ltemobile.apn", "http://mms.gprs.rogers.com", "mmsproxy.rogers.com",
                           "80"};
        QTest::newRow("own, cancelled")
            << "Canada" << "Roger" << false << QStringList{"Roger (Canada)"}
            << QStringList{"rogers-core-appl1.apn", "http://mms.gprs.rogers.com", "10.128.1.69",
                           "80"};
    }
    void newerSettings()
    {
        QFETCH(QString, country);
        QFETCH(QString, operatorName);
        QFETCH(bool, use);
        QFETCH(QStringList, says);
        QFETCH(QStringList, boxes);
        DialogQueue dialogs;
        WorkingFolder folder;
        open();
        QVERIFY(pick("Combo3", country));
        QVERIFY(pick("Combo4", operatorName));
        auto *link = at<QLabel>("NewerLink");
        QCOMPARE(link->isVisible(), !says.isEmpty());
        const QStringList autoBoxes = texts({"Text1", "Text4", "Text5", "Text6"});
        if (!says.isEmpty()) {
            // Reached from the operator box with Tab, followed with Space.
            combo("Combo4")->setFocus();
            QTest::keyClick(combo("Combo4"), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), link);
            dialogs.expectQuestion(use);
            QTest::keyClick(link, Qt::Key_Space);
            VERIFY_DIALOGS(dialogs);
            qsizetype from = 0;
            for (const QString &part : says) {
                from = dialogs.questions().value(0).indexOf(part, from);
                QVERIFY2(from >= 0, qPrintable(part + " not in order in:\n"
                                               + dialogs.questions().value(0)));
            }
        }
        QCOMPARE(texts({"Text1", "Text4", "Text5", "Text6"}), boxes);
        QCOMPARE(combo("Combo2")->text(), QString(use ? "Manual" : "Auto"));
        QCOMPARE(link->isVisible(), !says.isEmpty() && !use);

        // What Generate writes is what the boxes hold: Auto's values unless they were used.
        QVERIFY(use || boxes == autoBoxes);
        type("Text17", QDir::toNativeSeparators(folder.file("MMS.INI")));
        dialogs.expectMessage(needPhone);
        dialogs.expectMessage(needEmail);
        dialogs.expectMessage(success);
        click("Command2");
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(folder.read("MMS.INI"),
                 mmsIni({"URL=" + boxes.at(1), "APN=" + boxes.at(0), "IP=" + boxes.at(2),
                         "Port=" + boxes.at(3), "eAPN=" + boxes.at(0)}));
    }

    void namesAndTabOrder_data()
    {
        using rx20::test::ScreenReader;
        ScreenReader::addColumns();
        ScreenReader::addRow("Combo1", "Label1", "Wireless Mode", "");
        ScreenReader::addRow("Combo2", "Label2", "Setting Mode", "Combo3");
        ScreenReader::addRow("Combo3", "Label3", "Country", "Combo4");
        ScreenReader::addRow("Combo4", "Label4", "Operators", "Text20");
        ScreenReader::addRow("Text1", "Label5", "APN", "");
        ScreenReader::addRow("Text3", "Label7", "Account", "");
        ScreenReader::addRow("Text2", "Label6", "GPRS password", "", "Password");
        ScreenReader::addRow("Text4", "Label8", "URL", "");
        ScreenReader::addRow("Text5", "Label9", "IP", "");
        ScreenReader::addRow("Text6", "Label10", "MMS server port", "", "Port");
        ScreenReader::addRow("Text20", "Label25", "Server", "Text21");
        ScreenReader::addRow("Text21", "Label26", "E-mail server port", "Text19", "Port");
        ScreenReader::addRow("Text19", "Label24", "Email", "Text18");
        ScreenReader::addRow("Text18", "Label23", "Password", "Text7");
        ScreenReader::addRow("Combo5", "Label22", "SSL", "");
        ScreenReader::addRow("Text7", "Label12", "Phone 1", "Text8");
        ScreenReader::addRow("Text8", "Label13", "Phone 2", "Text9");
        ScreenReader::addRow("Text9", "Label14", "Phone 3", "Text10");
        ScreenReader::addRow("Text10", "Label15", "Phone 4", "Text11");
        ScreenReader::addRow("Text11", "Label16", "Phone 5", "Text12");
        ScreenReader::addRow("Text12", "Label17", "Email 1", "Text13");
        ScreenReader::addRow("Text13", "Label18", "Email 2", "Text14");
        ScreenReader::addRow("Text14", "Label19", "Email 3", "Text15");
        ScreenReader::addRow("Text15", "Label20", "Email 4", "Text16");
        ScreenReader::addRow("Text16", "Label21", "Email 5", "Text17");
        ScreenReader::addRow("Text17", "Label11", "Path", "Command4");
        ScreenReader::addRow("Command4", "", "Choose folder", "Command2");
        ScreenReader::addRow("Command2", "", "Generate", "Command3");
        ScreenReader::addRow("Command3", "", "Exit", "Combo2");
    }
    void namesAndTabOrder()
    {
        open();
        rx20::test::ScreenReader::verifyRow(w);
    }
};

QTEST_MAIN(tst_WirelessSettingsWindow)
#include "tst_wirelesssettingswindow.moc"

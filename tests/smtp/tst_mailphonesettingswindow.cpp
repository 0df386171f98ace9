#include "catalogue/Catalogue.h"
#include "smtp/MailPhoneSettingsWindow.h"
#include "smtp/Scrambler.h"
#include "support/DialogQueue.h"
#include "support/WorkingFolder.h"
#include "ui/DropDown.h"
#include "ui/Forms.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using rx20::MailPhoneSettingsWindow;
using rx20::Scrambler;
using rx20::catalogue::Catalogue;
using rx20::catalogue::Copy;
using rx20::test::DialogQueue;
using rx20::test::ProgramEndRecorder;
using rx20::test::WorkingFolder;
using rx20::ui::DropDown;
using rx20::ui::Forms;

namespace {

const QString success = QStringLiteral("Create configure file success.");

// The file as the card gets it, for these values of lines 2 to 15, in file
// order; built by hand, then scrambled.
QByteArray scrambledFile(const QStringList &values)
{
    const QStringList keys{"APN=",    "Server=", "Port=",   "Sender=", "Password=",
                           "Email1=", "Email2=", "Email3=", "Email4=", "Email5=",
                           "SSL=",    "Phone1=", "APNAccount=", "APNPassword="};
    Q_ASSERT(values.size() == keys.size());
    QByteArray plain = "[SMTP]\r\n";
    for (int i = 0; i < keys.size(); ++i)
        plain += (keys.at(i) + values.at(i)).toLatin1() + "\r\n";
    return Scrambler::scramble(plain);
}

// Values for a file with only Phone 1, Email 1 and the SSL value set.
QStringList minimal(const QString &ssl)
{
    return {"", "", "", "", "", "a@b.c", "", "", "", "", ssl, "123", "", ""};
}

class Fixture
{
public:
    Fixture() { window.show(); }

    QLineEdit *box(const char *name) { return window.findChild<QLineEdit *>(name); }
    DropDown *dropDown(const char *name) { return window.findChild<DropDown *>(name); }
    QPushButton *button(const char *name) { return window.findChild<QPushButton *>(name); }

    void type(const char *name, const QString &text)
    {
        QLineEdit *target = box(name);
        target->selectAll();
        QTest::keyClicks(target, text);
    }
    void typeInto(const char *dropDownName, const QString &text)
    {
        QLineEdit *edit = dropDown(dropDownName)->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void pick(const char *dropDownName, const QString &item)
    {
        DropDown *combo = dropDown(dropDownName);
        const int index = combo->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        QVERIFY2(index >= 0, qPrintable(item));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void generate() { QTest::mouseClick(button("Command2"), Qt::LeftButton); }

    // The texts of every field a preset or Read may write.
    QStringList fields()
    {
        QStringList texts;
        for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text17",
                                 "Text7", "Text12", "Text13", "Text14", "Text15", "Text16"})
            texts << box(name)->text();
        return texts << dropDown("Combo5")->text();
    }

    WorkingFolder folder;
    DialogQueue dialogs;
    MailPhoneSettingsWindow window;
};

const rx20::catalogue::Preset &preset(const QString &country, const QString &operatorName)
{
    const auto *found = Catalogue::of(Copy::Mail).findPreset(country, operatorName);
    Q_ASSERT(found);
    return *found;
}

} // namespace

class tst_MailPhoneSettingsWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Forms::reset(); }

    void startState()
    {
        Fixture f;
        QCOMPARE(f.window.objectName(), QStringLiteral("Form7"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("RX12"));
        QVERIFY(f.window.windowFlags() & Qt::FramelessWindowHint);

        QVERIFY(!f.dropDown("Combo2")->isEnabled());
        QCOMPARE(f.dropDown("Combo2")->text(), QStringLiteral("SMTP"));
        QCOMPARE(f.dropDown("Combo1")->text(), QStringLiteral("Auto"));
        QCOMPARE(f.dropDown("Combo5")->text(), QStringLiteral("YES"));
        QCOMPARE(f.dropDown("Combo5")->count(), 2);
        QCOMPARE(f.dropDown("Combo3")->text(), QString());
        QCOMPARE(f.dropDown("Combo4")->text(), QString());
        QCOMPARE(f.dropDown("Combo4")->itemText(1), QStringLiteral("China Unicom"));
        QStringList countries;
        for (int i = 0; i < f.dropDown("Combo3")->count(); ++i)
            countries << f.dropDown("Combo3")->itemText(i);
        QCOMPARE(countries,
                 QStringList({"Australia", "Austria", "Brazil", "Bulgaria", "Canada", "China",
                              "Croatia", "Czech Republic", "Denmark", "Egypt", "Estonia",
                              "Finland", "France", "Germany", "Greece", "Hungary", "India",
                              "Ireland", "Italy", "Lithuania", "Netherlands", "New Zealand",
                              "Norway", "Poland", "Portugal", "Romania", "Russia", "Slovakia",
                              "South Africa", "Spain", "Sweden", "Turkey", "Ukraine",
                              "United Kingdom", "United States"}));

        for (const char *name : {"Text1", "Text2", "Text3"}) {
            QVERIFY2(!f.box(name)->isVisible() && !f.box(name)->isEnabled(), name);
        }
        for (const char *name : {"Text8", "Text9", "Text10", "Text11", "Label13", "Label14",
                                 "Label15", "Label16"}) {
            QVERIFY2(!f.window.findChild<QWidget *>(name)->isVisible(), name);
        }
        QVERIFY(!f.button("Command1")->isVisible());
        QVERIFY(f.box("Text7")->isVisible());
        QVERIFY(f.window.findChild<QLabel *>("Label5")->isVisible());

        const QList<QPair<const char *, QString>> captions{
            {"Label1", "Wireless Mode"}, {"Label2", "Setting Mode"}, {"Label3", "Country"},
            {"Label4", "Operators"},     {"Label5", "APN"},          {"Label6", "Account"},
            {"Label7", "Password"},      {"Label8", "Server"},       {"Label9", "Port"},
            {"Label10", "Email"},        {"Label11", "Password"},    {"Label12", "Phone 1"},
            {"Label16", "Phone 5"},      {"Label17", "Email 1"},     {"Label21", "Email 5"},
            {"Label22", "SSL"},          {"Label23", "Path"}};
        for (const auto &[name, caption] : captions)
            QCOMPARE(f.window.findChild<QLabel *>(name)->text(), caption);
        QStringList frames;
        for (const QGroupBox *frame : f.window.findChildren<QGroupBox *>())
            frames << frame->title();
        frames.sort();
        QCOMPARE(frames, QStringList({"Email Setting", "GPRS Setting", "Phone Setting",
                                      "SMTP Setting", "Server Setting"}));
        QCOMPARE(f.button("Command4")->text(), QStringLiteral("..."));
        QCOMPARE(f.button("Command2")->text(), QStringLiteral("Generate"));
        QCOMPARE(f.button("Command3")->text(), QStringLiteral("Exit"));
    }

    void generateWritesEveryFieldScrambled()
    {
        Fixture f;
        f.pick("Combo1", "Manual");
        f.type("Text1", "web.example");
        f.type("Text2", "user");
        f.type("Text3", "gprs-pw");
        f.type("Text4", "smtp.example.com");
        f.type("Text5", "465");
        f.type("Text6", "cam@example.com");
        f.type("Text17", "Secret_9");
        f.type("Text7", "+4912345");
        const char *emails[] = {"Text12", "Text13", "Text14", "Text15", "Text16"};
        for (int i = 0; i < 5; ++i)
            f.type(emails[i], QStringLiteral("r%1@x.org").arg(i + 1));
        // Phone 2 to 5 are not part of the file, whatever they hold.
        f.box("Text8")->setText("999");
        f.pick("Combo5", "NO");
        // The file name in the path box does not matter; the folder does.
        QVERIFY(QDir(f.folder.path()).mkdir("card"));
        f.type("Text18", f.folder.file("card/whatever.txt"));

        f.dialogs.expectMessage(success);
        f.generate();
        VERIFY_DIALOGS(f.dialogs);

        const QByteArray bytes = f.folder.read("card/NET.CFG");
        QCOMPARE(bytes, scrambledFile({"web.example", "smtp.example.com", "465", "cam@example.com",
                                       "Secret_9", "r1@x.org", "r2@x.org", "r3@x.org", "r4@x.org",
                                       "r5@x.org", "0", "+4912345", "user", "gprs-pw"}));
        QVERIFY(bytes.startsWith(QByteArray::fromHex("FF736D7470FEF2F1")));
        QVERIFY(!bytes.contains('\r') && !bytes.contains('\n'));
        QVERIFY(!QFile::exists(f.folder.file("card/whatever.txt")));
    }

    void sslValue_data()
    {
        QTest::addColumn<QStringList>("choices"); // one Generate each; "type:" types the text
        QTest::addColumn<QString>("written");     // after "SSL=" in the last file
        QTest::newRow("YES left as it is") << QStringList{} << "1";
        QTest::newRow("NO") << QStringList{"NO"} << "0";
        QTest::newRow("NO then YES") << QStringList{"NO", "YES"} << "1";
        QTest::newRow("typed yes first") << QStringList{"type:yes"} << "";
        QTest::newRow("NO, then typed yes") << QStringList{"NO", "type:yes"} << "0";
        QTest::newRow("YES, then typed NO ") << QStringList{"YES", "type:NO "} << "1";
    }
    void sslValue()
    {
        QFETCH(QStringList, choices);
        QFETCH(QString, written);
        Fixture f;
        f.type("Text7", "123");
        f.type("Text12", "a@b.c");
        if (choices.isEmpty())
            choices << QString();
        for (const QString &choice : choices) {
            if (choice.startsWith("type:"))
                f.typeInto("Combo5", choice.mid(5));
            else if (!choice.isEmpty())
                f.pick("Combo5", choice);
            f.dialogs.expectMessage(success);
            f.generate();
        }
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(f.folder.read("NET.CFG"), scrambledFile(minimal(written)));
    }

    void remindersDoNotStopGenerate()
    {
        Fixture f;
        f.dialogs.expectMessage("Need Phone Number Input");
        f.dialogs.expectMessage("Need Email Input");
        f.dialogs.expectMessage(success);
        f.generate();
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(f.folder.read("NET.CFG"),
                 scrambledFile({"", "", "", "", "", "", "", "", "", "", "1", "", "", ""}));
    }

    void settingModeSwitch()
    {
        Fixture f;
        f.pick("Combo3", "Slovakia");
        QVERIFY(!f.box("Text1")->text().isEmpty());

        f.pick("Combo1", "Manual");
        for (const char *name : {"Text1", "Text2", "Text3"}) {
            QVERIFY2(f.box(name)->isVisible() && f.box(name)->isEnabled(), name);
            QCOMPARE(f.box(name)->text(), QString());
        }
        for (const char *name : {"Combo3", "Combo4"}) {
            QVERIFY2(!f.dropDown(name)->isEnabled(), name);
            QCOMPARE(f.dropDown(name)->text(), QString());
        }
        f.type("Text1", "apn.x");
        f.type("Text2", "acc");
        f.type("Text3", "pw");

        f.pick("Combo1", "Auto");
        for (const char *name : {"Text1", "Text2", "Text3"})
            QVERIFY2(!f.box(name)->isVisible() && !f.box(name)->isEnabled(), name);
        QVERIFY(f.dropDown("Combo3")->isEnabled() && f.dropDown("Combo4")->isEnabled());
        QCOMPARE(f.dropDown("Combo3")->text(), QString());

        // A typed mode is not a pick: nothing switches.
        f.typeInto("Combo1", "Manual");
        QVERIFY(!f.box("Text1")->isVisible());

        f.type("Text7", "123");
        f.type("Text12", "a@b.c");
        f.dialogs.expectMessage(success);
        f.generate();
        VERIFY_DIALOGS(f.dialogs);
        const QStringList oldServer{f.box("Text4")->text(), f.box("Text5")->text()};
        QCOMPARE(f.folder.read("NET.CFG"),
                 scrambledFile({"apn.x", oldServer[0], oldServer[1], "", "", "a@b.c", "", "", "",
                                "", "0", "123", "acc", "pw"}));
    }

    void slovakiaWritesApnAndServer()
    {
        Fixture f;
        f.type("Text4", "before");
        f.type("Text5", "1");
        f.pick("Combo3", "Slovakia");
        QCOMPARE(f.dropDown("Combo4")->text(), QStringLiteral("T-Mobile"));
        QCOMPARE(f.dropDown("Combo4")->count(), 3);
        const auto &tmobile = preset("Slovakia", "T-Mobile");
        QVERIFY(tmobile.smtpServer.has_value());
        QCOMPARE(f.box("Text1")->text(), QStringLiteral("internet"));
        QCOMPARE(f.box("Text4")->text(), *tmobile.smtpServer);
        QCOMPARE(f.box("Text5")->text(), QStringLiteral("25"));
        QCOMPARE(f.dropDown("Combo5")->text(), QStringLiteral("NO"));

        f.type("Text7", "123");
        f.type("Text12", "a@b.c");
        f.dialogs.expectMessage(success);
        f.generate();
        QCOMPARE(f.folder.read("NET.CFG"),
                 scrambledFile({"internet", *tmobile.smtpServer, "25", "", "", "a@b.c", "", "", "",
                                "", "0", "123", "", ""}));

        // Picking O2 overwrites all four, even after the user changed them.
        f.type("Text4", "typed");
        f.type("Text5", "587");
        f.pick("Combo5", "YES");
        f.pick("Combo4", "O2");
        const auto &o2 = preset("Slovakia", "O2");
        QCOMPARE(f.box("Text1")->text(), QStringLiteral("o2internet"));
        QCOMPARE(f.box("Text4")->text(), *o2.smtpServer);
        QCOMPARE(f.box("Text5")->text(), QStringLiteral("25"));
        QCOMPARE(f.dropDown("Combo5")->text(), QStringLiteral("NO"));
        VERIFY_DIALOGS(f.dialogs);
    }

    void presetsWithAccountAndPassword()
    {
        Fixture f;
        f.pick("Combo1", "Manual");
        f.type("Text1", "typed apn");
        f.type("Text2", "typed account");
        f.type("Text3", "typed password");
        f.pick("Combo1", "Auto");

        // Germany's preselected operator is applied at once.
        f.pick("Combo3", "Germany");
        QCOMPARE(f.dropDown("Combo4")->text(), QStringLiteral("T-Mobile"));
        const auto &germany = preset("Germany", "T-Mobile");
        QVERIFY(germany.account && germany.password);
        QCOMPARE(f.box("Text1")->text(), germany.apn);
        QCOMPARE(f.box("Text2")->text(), *germany.account);
        QCOMPARE(f.box("Text3")->text(), *germany.password);

        // Russia preselects nothing and so changes nothing.
        f.pick("Combo1", "Manual");
        f.type("Text2", "kept account");
        f.type("Text3", "kept password");
        f.pick("Combo1", "Auto");
        f.pick("Combo3", "Russia");
        QCOMPARE(f.dropDown("Combo4")->text(), QString());
        QCOMPARE(f.dropDown("Combo4")->count(), 5);
        QCOMPARE(f.box("Text2")->text(), QStringLiteral("kept account"));

        f.pick("Combo4", "TELE2");
        QCOMPARE(f.box("Text1")->text(), preset("Russia", "TELE2").apn);
        QCOMPARE(f.box("Text2")->text(), QString());
        QCOMPARE(f.box("Text3")->text(), QString());
    }

    void operatorWithoutPresetChangesNothing()
    {
        Fixture f;
        f.pick("Combo3", "Australia");
        QCOMPARE(f.dropDown("Combo4")->text(), QStringLiteral("Optus"));
        QCOMPARE(f.box("Text1")->text(), QStringLiteral("internet"));
        f.type("Text4", "smtp.x");
        const QStringList before = f.fields();
        f.pick("Combo4", "Three");
        QCOMPARE(f.fields(), before);
    }

    void hiddenReadOfAPlainFile()
    {
        Fixture f;
        QVERIFY(f.folder.write("NET.CFG",
                               "[SMTP]\r\nAPN=apn.r\r\nServer=smtp.r\r\nPort=2525\r\n"
                               "Sender=s@r\rPassword=pw r\r\nEmail1=e1\r\nEmail2=\r\n"
                               "Email3=e3\r\nEmail4=\r\nEmail5=e5\r\nSSL=1\r\nPhone1=777\r\n"
                               "APNAccount=name\r\nAPNPassword=gp\r\n"));
        f.pick("Combo5", "NO");
        f.dialogs.expectMessage("Read configure file success.");
        // Nothing offers the button; pressing it is all it takes.
        f.button("Command1")->click();
        QCOMPARE(f.fields(), QStringList({"apn.r", "name", "gp", "smtp.r", "2525", "s@r", "pw r",
                                          "777", "e1", "", "e3", "", "e5", "NO"}));

        // The SSL value came from the file; a Combo5 text that is neither
        // YES nor NO writes it back.
        f.typeInto("Combo5", "?");
        f.dialogs.expectMessage(success);
        f.generate();
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(f.folder.read("NET.CFG"),
                 scrambledFile({"apn.r", "smtp.r", "2525", "s@r", "pw r", "e1", "", "e3", "",
                                "e5", "1", "777", "name", "gp"}));
    }

    void readRefusesAndChangesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing" << "the file does not exist.";
        QTest::newRow("short")
            << "short" << "it has 14 lines where 15 are needed. Nothing was changed.";
        QTest::newRow("own scrambled file")
            << "scrambled"
            << "the file is scrambled and cannot be read back here. Nothing was changed.";
    }
    void readRefusesAndChangesNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        Fixture f;
        if (kind == "short") {
            QVERIFY(f.folder.write("NET.CFG", QByteArray("x\r\n").repeated(14)));
        } else if (kind == "scrambled") {
            f.type("Text7", "1");
            f.type("Text12", "e@x");
            f.dialogs.expectMessage(success);
            f.generate();
        }
        f.type("Text4", "unchanged");
        const QStringList before = f.fields();
        const QString path = QDir::toNativeSeparators(QDir::current().absoluteFilePath("NET.CFG"));
        f.dialogs.expectMessage(QStringLiteral("Could not read %1: %2").arg(path, reason));
        f.button("Command1")->click();
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(f.fields(), before);
    }

    void generateFailureIsReportedOnce_data()
    {
        QTest::addColumn<QString>("pathBox"); // relative to the working folder
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "nope/NET.CFG" << "nope/NET.CFG"
                                        << "the folder %1 does not exist.";
        QTest::newRow("folder in the way") << "in-the-way/x/" << "in-the-way/x/NET.CFG"
                                           << "a folder of that name is in the way.";
    }
    void generateFailureIsReportedOnce()
    {
        QFETCH(QString, pathBox);
        QFETCH(QString, target);
        QFETCH(QString, reason);
        Fixture f;
        QVERIFY(QDir(f.folder.path()).mkpath("in-the-way/x/NET.CFG"));
        f.type("Text7", "1");
        f.type("Text12", "e@x");
        f.type("Text18", f.folder.file(pathBox));
        const QString file = QDir::toNativeSeparators(f.folder.file(target));
        const QString folder = QDir::toNativeSeparators(QFileInfo(f.folder.file(target)).path());
        f.dialogs.expectMessage(
            QStringLiteral("Could not write %1: %2").arg(file, reason.replace("%1", folder)));
        f.generate();
        VERIFY_DIALOGS(f.dialogs);
    }

    void folderPickerFillsThePathBox()
    {
        Fixture f;
        f.type("Text7", "123");
        f.type("Text12", "a@b.c");
        f.dialogs.expectFolder(f.folder.path());
        QTest::mouseClick(f.button("Command4"), Qt::LeftButton);
        QCOMPARE(f.box("Text18")->text(),
                 QDir::toNativeSeparators(f.folder.path()) + QDir::separator() + "NET.CFG");
        f.dialogs.expectMessage(success);
        f.generate();
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(f.folder.read("NET.CFG"), scrambledFile(minimal("1")));
    }

    void escapeInAFieldEndsTheProgram()
    {
        ProgramEndRecorder ended;
        Fixture f;
        f.box("Text4")->setFocus();
        QTest::keyClick(f.box("Text4"), Qt::Key_Escape);
        QCOMPARE(ended.count(), 1);
    }

    void dragsByItsBackground()
    {
        Fixture f;
        QVERIFY(qobject_cast<rx20::ui::BorderlessForm *>(&f.window));
        f.window.move(100, 100);
        // Both points lie in the margin left of the frames.
        const QPoint at(3, 100);
        const QPoint to(13, 160);
        QVERIFY(!f.window.childAt(at) && !f.window.childAt(to));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), f.window.mapToGlobal(QPointF(at)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.window, &press);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), f.window.mapToGlobal(QPointF(to)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.window, &move);
        QCOMPARE(f.window.pos(), QPoint(110, 160));
    }

    void exitShowsTheMainWindow()
    {
        Forms::define("Form1", [] {
            auto *main = new QWidget;
            main->setObjectName("Form1");
            return main;
        });
        Forms::define("Form7", [] { return new MailPhoneSettingsWindow; });
        QWidget *window = Forms::show("Form7");
        QTest::mouseClick(window->findChild<QPushButton *>("Command3"), Qt::LeftButton);
        QTRY_VERIFY(!Forms::loaded("Form7"));
        QVERIFY(Forms::loaded("Form1") && Forms::loaded("Form1")->isVisible());
    }
};

QTEST_MAIN(tst_MailPhoneSettingsWindow)
#include "tst_mailphonesettingswindow.moc"

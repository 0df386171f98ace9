#include "smtp/MailPhoneSettingsWindow.h"
#include "smtp/Scrambler.h"
#include "support/DialogQueue.h"
#include "support/ScreenReader.h"
#include "support/WorkingFolder.h"
#include "ui/DropDown.h"
#include "ui/Forms.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using rx20::MailPhoneSettingsWindow;
using rx20::test::DialogQueue;
using rx20::test::WorkingFolder;
using rx20::ui::DropDown;
using rx20::ui::Forms;

namespace {

const QString success = QStringLiteral("Create configure file success.");

// The controls of lines 2 to 15 of the file, in file order; Combo5 stands for the SSL line.
const char *const inFileOrder[] = {"Text1",  "Text4",  "Text5",  "Text6",  "Text17",
                                   "Text12", "Text13", "Text14", "Text15", "Text16",
                                   "Combo5", "Text7",  "Text2",  "Text3"};

// The file for these values of lines 2 to 15, given as "apn|server|...", built
// by hand; scrambled as the card gets it unless plain is asked for.
QByteArray netCfg(const QString &values, bool plain = false)
{
    const QStringList keys = QStringLiteral("APN=|Server=|Port=|Sender=|Password=|Email1=|Email2=|"
                                            "Email3=|Email4=|Email5=|SSL=|Phone1=|APNAccount=|"
                                            "APNPassword=")
                                 .split('|');
    const QStringList split = values.split('|');
    Q_ASSERT(split.size() == keys.size());
    QByteArray bytes = "[SMTP]\r\n";
    for (int i = 0; i < keys.size(); ++i)
        bytes += (keys.at(i) + split.at(i)).toLatin1() + "\r\n";
    return plain ? bytes : rx20::Scrambler::scramble(bytes);
}

// Values of a file to read, the SSL value "1".
const QString readValues = QStringLiteral("apn.r|smtp.r|2525|s@r|pw r|e1||e3||e5|1|777|name|gp");

// A window in a fresh working folder, its dialogs answered from a queue.
class Fixture
{
public:
    Fixture() { window.show(); }

    QLineEdit *box(const char *name) { return window.findChild<QLineEdit *>(name); }
    DropDown *dropDown(const char *name) { return window.findChild<DropDown *>(name); }
    bool shown(const char *name) { return window.findChild<QWidget *>(name)->isVisible(); }
    void click(const char *name)
    {
        QTest::mouseClick(window.findChild<QPushButton *>(name), Qt::LeftButton);
    }
    // Types over the text of a box or of an editable drop-down.
    void type(const char *name, const QString &text)
    {
        QLineEdit *target = dropDown(name) ? dropDown(name)->lineEdit() : box(name);
        target->selectAll();
        QTest::keyClicks(target, text);
    }
    void pick(const char *dropDownName, const QString &item)
    {
        const int index = dropDown(dropDownName)->findText(item); // exact, case-sensitive
        QVERIFY2(index >= 0, qPrintable(item));
        dropDown(dropDownName)->setCurrentIndex(index);
        emit dropDown(dropDownName)->activated(index);
    }
    void generate(const QStringList &messages = {success})
    {
        for (const QString &message : messages)
            dialogs.expectMessage(message);
        click("Command2");
    }
    // The texts of the controls of lines 2 to 15, as "apn|server|...".
    QString fields()
    {
        QStringList texts;
        for (const char *name : inFileOrder)
            texts << (dropDown(name) ? dropDown(name)->text() : box(name)->text());
        return texts.join('|');
    }

    WorkingFolder folder;
    DialogQueue dialogs;
    MailPhoneSettingsWindow window;
};

} // namespace

class tst_MailPhoneSettingsWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Forms::reset(); }

    // The window as it opens; Esc in a field ends the program.
    void startState()
    {
        rx20::test::ProgramEndRecorder ended;
        Fixture f;
        QCOMPARE(f.window.objectName(), QStringLiteral("Form7"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("RX12"));
        QVERIFY(f.window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(f.fields(), QStringLiteral("||||||||||YES|||"));
        QCOMPARE(f.dropDown("Combo1")->text(), QStringLiteral("Auto"));
        QCOMPARE(f.dropDown("Combo2")->text(), QStringLiteral("SMTP"));
        QVERIFY(!f.dropDown("Combo2")->isEnabled());
        const QList<std::pair<const char *, QString>> captions{
            {"Label2", "Setting Mode"}, {"Label12", "Phone 1"},     {"Label17", "Email 1"},
            {"Label23", "Path"},        {"Frame2", "GPRS Setting"}, {"Command3", "Exit"}};
        for (const auto &[name, caption] : captions) {
            const QObject *control = f.window.findChild<QWidget *>(name);
            QCOMPARE(control->property(name[0] == 'F' ? "title" : "text").toString(), caption);
        }
        // Auto mode hides the GPRS boxes; Phone 2 to 5 and Read are never offered.
        for (const char *name : {"Text1", "Text2", "Text3"})
            QVERIFY2(!f.shown(name) && !f.box(name)->isEnabled(), name);
        for (const char *name : {"Text8", "Text9", "Text10", "Text11", "Label13", "Command1"})
            QVERIFY2(!f.shown(name), name);
        QTest::keyClick(f.box("Text4"), Qt::Key_Escape);
        QCOMPARE(ended.count(), 1);
    }

    void generateWritesEveryFieldScrambled()
    {
        Fixture f;
        f.pick("Combo1", "Manual");
        f.pick("Combo5", "NO");
        QStringList values; // each box gets its own name and a few signs; NO writes "0"
        for (const char *name : inFileOrder) {
            const bool ssl = qstrcmp(name, "Combo5") == 0;
            values << (ssl ? QStringLiteral("0") : name + QStringLiteral("-v.x@y"));
            if (!ssl)
                f.type(name, values.last());
        }
        // Phone 2 to 5 are not part of the file, whatever they hold.
        f.box("Text8")->setText("999");
        QVERIFY(QDir(f.folder.path()).mkdir("card"));
        f.dialogs.expectFolder(f.folder.file("card"));
        f.click("Command4");
        QCOMPARE(f.box("Text18")->text(), QDir::toNativeSeparators(f.folder.file("card/NET.CFG")));
        f.generate();
        VERIFY_DIALOGS(f.dialogs);

        const QByteArray bytes = f.folder.read("card/NET.CFG");
        QCOMPARE(bytes, netCfg(values.join('|')));
        QVERIFY(bytes.startsWith(QByteArray::fromHex("FF736D7470FEF2F1")));
        QVERIFY(!bytes.contains('\r') && !bytes.contains('\n'));
    }

    // The reminders never stop Generate; the SSL value follows YES and NO only.
    void sslValue_data()
    {
        QTest::addColumn<QStringList>("choices"); // one Generate each: pick, "type:" text or ""
        QTest::addColumn<QString>("written");     // after "SSL=" in the last file
        QTest::newRow("YES left as it is") << QStringList{""} << "1";
        QTest::newRow("typed yes first") << QStringList{"type:yes"} << "";
        QTest::newRow("NO, then typed yes") << QStringList{"NO", "type:yes"} << "0";
        QTest::newRow("YES, then typed NO ") << QStringList{"YES", "type:NO "} << "1";
    }
    void sslValue()
    {
        QFETCH(QStringList, choices);
        QFETCH(QString, written);
        Fixture f;
        for (const QString &choice : choices) {
            if (choice.startsWith("type:"))
                f.type("Combo5", choice.mid(5));
            else if (!choice.isEmpty())
                f.pick("Combo5", choice);
            f.generate({"Need Phone Number Input", "Need Email Input", success});
        }
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(f.folder.read("NET.CFG"), netCfg("||||||||||" + written + "|||"));
    }

    // Slovakia preselects T-Mobile and writes its APN, server, port and SSL choice.
    // Manual empties and shows the GPRS boxes; Auto hides them, but they are still
    // written. Russia preselects nothing; TELE2 empties account and password.
    void catalogueAndSettingMode()
    {
        Fixture f;
        f.type("Text7", "123");
        f.type("Text12", "a@b.c");
        f.type("Text4", "before");
        f.type("Text5", "1");
        f.pick("Combo3", "Slovakia");
        QCOMPARE(f.dropDown("Combo4")->text(), QStringLiteral("T-Mobile"));
        f.generate();
        QCOMPARE(f.folder.read("NET.CFG"), netCfg("internet||25|||a@b.c|||||0|123||"));

        f.pick("Combo1", "Manual");
        for (const char *name : {"Text1", "Text2", "Text3"})
            QVERIFY2(f.shown(name) && f.box(name)->isEnabled() && f.box(name)->text().isEmpty(),
                     name);
        for (const char *name : {"Combo3", "Combo4"})
            QVERIFY2(!f.dropDown(name)->isEnabled() && f.dropDown(name)->text().isEmpty(), name);
        f.type("Text1", "apn.x");
        f.type("Text2", "acc");
        f.type("Text3", "pw");

        f.pick("Combo1", "Auto");
        for (const char *name : {"Text1", "Text2", "Text3"})
            QVERIFY2(!f.shown(name) && !f.box(name)->isEnabled(), name);
        QVERIFY(f.dropDown("Combo3")->isEnabled() && f.dropDown("Combo4")->isEnabled());
        // A typed mode is not a pick: nothing switches.
        f.type("Combo1", "Manual");
        QVERIFY(!f.shown("Text1"));
        f.generate();
        QCOMPARE(f.folder.read("NET.CFG"), netCfg("apn.x||25|||a@b.c|||||0|123|acc|pw"));

        const QString before = f.fields();
        f.pick("Combo3", "Russia");
        QCOMPARE(f.dropDown("Combo4")->text(), QString());
        QCOMPARE(f.fields(), before);
        f.pick("Combo4", "TELE2");
        f.generate();
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(f.folder.read("NET.CFG"), netCfg("internet.tele2.ru||25|||a@b.c|||||0|123||"));
    }

    // Read, offered by nothing, takes a plain NET.CFG from the working folder;
    // anything else is refused with one message naming the file, no field changed.
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file
        QTest::addColumn<QString>("reason");   // empty: the file is read
        QTest::newRow("plain file") << netCfg(readValues, true) << "";
        QTest::newRow("missing") << QByteArray() << "the file does not exist.";
        QTest::newRow("short") << QByteArray("x\r\n").repeated(14)
                               << "it has 14 lines where 15 are needed. Nothing was changed.";
        QTest::newRow("own scrambled file")
            << netCfg(readValues)
            << "the file is scrambled and cannot be read back here. Nothing was changed.";
    }
    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        Fixture f;
        if (!bytes.isEmpty())
            QVERIFY(f.folder.write("NET.CFG", bytes));
        f.type("Text4", "unchanged");
        f.pick("Combo5", "NO");
        const QString before = f.fields();
        const QString path = QDir::toNativeSeparators(f.folder.file("NET.CFG"));
        f.dialogs.expectMessage(reason.isEmpty()
                                    ? QStringLiteral("Read configure file success.")
                                    : QStringLiteral("Could not read %1: %2").arg(path, reason));
        f.click("Command1");
        VERIFY_DIALOGS(f.dialogs);
        if (!reason.isEmpty()) {
            QCOMPARE(f.fields(), before);
            return;
        }
        // Combo5 keeps its choice; the file's SSL value is written back while
        // Combo5 holds neither YES nor NO.
        QCOMPARE(f.fields(), QString(readValues).replace("|1|", "|NO|"));
        f.type("Combo5", "?");
        f.generate();
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(f.folder.read("NET.CFG"), netCfg(readValues));
    }

    // A missing folder: one message naming the file and the reason, no
    // success message, and the NET.CFG of the working folder untouched.
    void generateFailureKeepsOldFile()
    {
        Fixture f;
        QVERIFY(f.folder.write("NET.CFG", "old"));
        f.type("Text7", "123");
        f.type("Text12", "a@b.c");
        f.type("Text18", f.folder.file("nope/NET.CFG"));
        f.generate({QStringLiteral("Could not write %1: the folder %2 does not exist.")
                        .arg(QDir::toNativeSeparators(f.folder.file("nope/NET.CFG")),
                             QDir::toNativeSeparators(f.folder.file("nope")))});
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(f.folder.read("NET.CFG"), QByteArray("old"));
    }

    void exitShowsTheMainWindow()
    {
        Forms::define("Form1", [] { return new QWidget; });
        Forms::define("Form7", [] { return new MailPhoneSettingsWindow; });
        QWidget *window = Forms::show("Form7");
        QTest::mouseClick(window->findChild<QPushButton *>("Command3"), Qt::LeftButton);
        QTRY_VERIFY(!Forms::loaded("Form7"));
        QVERIFY(Forms::loaded("Form1") && Forms::loaded("Form1")->isVisible());
    }

    // A screen reader says each control's label, or what one without a label is;
    // Tab walks the window frame by frame, left column first.
    // In Auto the link offers the operator's later APN; "Use them" turns to Manual with it
    // typed in, and Generate writes it.
    void newerSettingsLink()
    {
        Fixture f;
        f.pick("Combo3", "Canada");
        f.pick("Combo4", "Roger");
        QVERIFY(f.shown("NewerLink"));
        f.dialogs.expectQuestion(true);
        QTest::mouseClick(f.window.findChild<QWidget *>("NewerLink"), Qt::LeftButton, {},
                          QPoint(4, 4));
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(f.dropDown("Combo1")->text(), QStringLiteral("Manual"));
        QVERIFY(!f.shown("NewerLink") && f.shown("Text1"));
        QCOMPARE(f.box("Text1")->text(), QStringLiteral("ltemobile.apn"));
    }

    void namesAndTabOrder_data()
    {
        using rx20::test::ScreenReader;
        ScreenReader::addColumns();
        ScreenReader::addRow("Combo2", "Label1", "Wireless Mode", "");
        ScreenReader::addRow("Combo1", "Label2", "Setting Mode", "Combo3");
        ScreenReader::addRow("Combo3", "Label3", "Country", "Combo4");
        ScreenReader::addRow("Combo4", "Label4", "Operators", "Text7");
        ScreenReader::addRow("Text1", "Label5", "APN", "");
        ScreenReader::addRow("Text2", "Label6", "Account", "");
        ScreenReader::addRow("Text3", "Label7", "GPRS password", "", "Password");
        ScreenReader::addRow("Text7", "Label12", "Phone 1", "Text18");
        ScreenReader::addRow("Text8", "Label13", "Phone 2", "");
        ScreenReader::addRow("Text9", "Label14", "Phone 3", "");
        ScreenReader::addRow("Text10", "Label15", "Phone 4", "");
        ScreenReader::addRow("Text11", "Label16", "Phone 5", "");
        ScreenReader::addRow("Text18", "Label23", "Path", "Command4");
        ScreenReader::addRow("Command4", "", "Choose folder", "Text4");
        ScreenReader::addRow("Text4", "Label8", "Server", "Text5");
        ScreenReader::addRow("Text5", "Label9", "Port", "Text6");
        ScreenReader::addRow("Text6", "Label10", "Email", "Text17");
        ScreenReader::addRow("Text17", "Label11", "Password", "Combo5");
        ScreenReader::addRow("Combo5", "Label22", "SSL", "Text12");
        ScreenReader::addRow("Text12", "Label17", "Email 1", "Text13");
        ScreenReader::addRow("Text13", "Label18", "Email 2", "Text14");
        ScreenReader::addRow("Text14", "Label19", "Email 3", "Text15");
        ScreenReader::addRow("Text15", "Label20", "Email 4", "Text16");
        ScreenReader::addRow("Text16", "Label21", "Email 5", "Command2");
        ScreenReader::addRow("Command1", "", "Read", "");
        ScreenReader::addRow("Command2", "", "Generate", "Command3");
        ScreenReader::addRow("Command3", "", "Exit", "Combo1");
    }
    void namesAndTabOrder()
    {
        Fixture f;
        rx20::test::ScreenReader::verifyRow(&f.window);
    }
};

QTEST_MAIN(tst_MailPhoneSettingsWindow)
#include "tst_mailphonesettingswindow.moc"

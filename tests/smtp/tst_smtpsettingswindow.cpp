#include "files/SettingsFile.h"
#include "smtp/Scrambler.h"
#include "smtp/SmtpSettingsWindow.h"
#include "support/DialogQueue.h"
#include "support/ScreenReader.h"
#include "support/WorkingFolder.h"
#include "ui/DropDown.h"
#include "ui/Forms.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using rx20::Scrambler;
using rx20::SettingsFile;
using rx20::SmtpSettingsWindow;
using rx20::test::DialogQueue;
using rx20::test::WorkingFolder;
using rx20::ui::DropDown;
using rx20::ui::Forms;

namespace {

const QString created = QStringLiteral("Create configure file!");
const QString notSmtp = QStringLiteral("it is not smtp config,don't read this file");

// The boxes in file order, then the path box.
const char *const boxes[] = {"Text2",  "Text6",  "Text7",  "Text8",  "Text9",
                             "Text10", "Text11", "Text12", "Text13", "Text1"};

const QByteArray filled = "[SMTP]\r\nAPN=cmnet\r\nServer=smtp.aol.com\r\nPort=465\r\n"
                          "Sender=me@example.org\r\nPassword=se cret\r\nEmail1=a@x\r\n"
                          "Email2=b@x\r\nEmail3=\r\nEmail4=d@x\r\nEmail5=e@x\r\nSSL=1\r\n\r\n";

// A window in a fresh working folder, its dialogs answered from a queue.
struct Fixture
{
    Fixture() { reopen(); }

    void reopen()
    {
        window = std::make_unique<SmtpSettingsWindow>();
        window->show();
    }
    QLineEdit *box(const char *name) { return window->findChild<QLineEdit *>(name); }
    DropDown *drop(const char *name) { return window->findChild<DropDown *>(name); }
    void click(const char *name)
    {
        QTest::mouseClick(window->findChild<QPushButton *>(name), Qt::LeftButton);
    }
    // As a user does it: select everything, delete it, type the new text.
    static void retype(QLineEdit *edit, const QString &text)
    {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void retype(const char *name, const QString &text) { retype(box(name), text); }
    void pick(const char *name, int index)
    {
        drop(name)->setCurrentIndex(index);
        emit drop(name)->activated(index);
    }
    // Every text the window shows in a field, in a fixed order.
    QStringList fields()
    {
        QStringList texts{drop("Combo1")->text(), drop("Combo8")->text()};
        for (const char *name : boxes)
            texts.append(box(name)->text());
        return texts;
    }

    WorkingFolder folder;
    DialogQueue dialogs;
    std::unique_ptr<SmtpSettingsWindow> window;
};

} // namespace

class tst_SmtpSettingsWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Forms::reset(); }

    void startState()
    {
        rx20::test::ProgramEndRecorder ends;
        Fixture f;
        QCOMPARE(f.window->objectName(), QStringLiteral("Form4"));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("SMTP Setting"));
        QVERIFY(!(f.window->windowFlags() & Qt::FramelessWindowHint));
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        // The uneven spacing of "Email 2" and "Email 4" is the camera's.
        const QList<std::pair<const char *, QString>> captions{
            {"Label1", "SMTP Type"},  {"Label6", "Server"},    {"Label7", "Port"},
            {"Label8", "Sender"},     {"Label9", "Password"},  {"Label10", "Email1"},
            {"Label11", "Email 2"},   {"Label12", "Email3"},   {"Label13", "Email 4"},
            {"Label14", "Email5"},    {"label2", "File Path"}, {"Command1", "Read"},
            {"Command2", "Generate"}, {"Command3", "Exit"},    {"Command4", "..."}};
        for (const auto &[name, caption] : captions)
            QCOMPARE(f.window->findChild<QWidget *>(name)->property("text").toString(), caption);

        auto *server = f.drop("Combo1");
        QVERIFY(server->isEditable() && !f.drop("Combo8")->isEditable());
        QCOMPARE(server->count(), 4);
        QVERIFY(!f.drop("Combo5")->isEnabled());
        QCOMPARE(f.fields(), (QStringList{server->itemText(0), "No SSL", "", "25", "", "", "", "",
                                          "", "", "", "C:\\NET.CFG"}));

        // Escape is not this window's business.
        QTest::keyClick(f.box("Text2"), Qt::Key_Escape);
        QCOMPARE(ends.count(), 0);
        QVERIFY(f.window->isVisible());
    }

    // Picking any preset sets port 25; typing a server, even a preset's name, does not.
    void pickingAServerSetsPort25()
    {
        Fixture f;
        QLineEdit *typed = f.drop("Combo1")->lineEdit();
        for (int item = 0; item < f.drop("Combo1")->count(); ++item) {
            f.retype("Text6", "587");
            f.retype(typed, f.drop("Combo1")->itemText(item));
            QTest::keyClick(typed, Qt::Key_Return);
            QCOMPARE(f.box("Text6")->text(), QStringLiteral("587"));
            f.pick("Combo1", item);
            QCOMPARE(f.box("Text6")->text(), QStringLiteral("25"));
        }
    }

    void generate_data()
    {
        QTest::addColumn<bool>("empty");
        // Server and port emptied, SSL left off, the folder picked.
        QTest::newRow("all empty") << true;
        // Start values with SSL; an empty path box writes in the working folder.
        QTest::newRow("SSL, empty path box") << false;
    }
    void generate()
    {
        QFETCH(bool, empty);
        Fixture f;
        const QByteArray server = empty ? "" : f.drop("Combo1")->text().toLatin1();
        QString target = "NET.CFG";
        if (empty) {
            f.retype(f.drop("Combo1")->lineEdit(), "");
            f.retype("Text6", "");
            target = QDir::toNativeSeparators(f.folder.file("NET.CFG"));
            f.dialogs.expectFolder(f.folder.path());
            f.click("Command4");
            QCOMPARE(f.box("Text1")->text(), target);
        } else {
            QTest::keyClick(f.drop("Combo8"), Qt::Key_Down);
            f.retype("Text1", "");
        }
        f.dialogs.expectMessage("Save to " + target);
        f.dialogs.expectMessage(created);
        f.click("Command2");
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(f.folder.read("NET.CFG"),
                 "[SMTP]\r\nAPN=\r\nServer=" + server + "\r\nPort=" + (empty ? "" : "25")
                     + "\r\nSender=\r\nPassword=\r\nEmail1=\r\nEmail2=\r\nEmail3=\r\nEmail4=\r\n"
                       "Email5=\r\nSSL="
                     + (empty ? "0" : "1") + "\r\n\r\n");
        QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"NET.CFG"});
    }

    // A path naming a file: Generate writes NET.CFG beside it, Read opens the
    // named file itself; every field but the SSL choice comes back.
    void generateThenReadRoundTrip()
    {
        Fixture f;
        const QString named = f.folder.file("x.txt");
        QTest::keyClick(f.drop("Combo8"), Qt::Key_Down);
        f.retype("Text2", "cmnet");
        f.pick("Combo1", 3);
        const QStringList typed{"465", "me@example.org", "se cret", "a@x", "b@x", "", "d@x", "e@x"};
        for (int i = 0; i < typed.size(); ++i)
            f.retype(boxes[i + 1], typed[i]);
        f.retype("Text1", named);
        f.dialogs.expectMessage("Save to " + f.folder.file("NET.CFG"));
        f.dialogs.expectMessage(created);
        f.click("Command2");
        QCOMPARE(f.folder.read("NET.CFG"), filled);
        QStringList written = f.fields();

        f.reopen();
        f.retype("Text1", named);
        f.dialogs.expectMessage("NET.CFG is not exist");
        f.click("Command1");
        // Only characters 2 to 5 of the first line mark the kind of file.
        QVERIFY(f.folder.write("x.txt", QByteArray(filled).replace("[SMTP]", "xSMTPy")));
        f.click("Command1");
        VERIFY_DIALOGS(f.dialogs);
        written[1] = "No SSL";
        // Port 465 shows that reading the server is not a pick.
        QCOMPARE(f.fields(), written);
    }

    void readRefusesAndChangesNothing_data()
    {
        QTest::addColumn<QString>("pathBox"); // "file": the bytes below are in NET.CFG
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message"); // %1: the path

        // The mail-and-phone window's file: this layout plus three lines, then scrambled.
        const QByteArray mailPhone = filled.left(filled.indexOf("SSL="))
                                     + "SSL=1\r\nPhone1=123\r\nAPNAccount=\r\nAPNPassword=\r\n";
        QTest::newRow("empty path box") << "" << QByteArray() << "Path is not exist";
        QTest::newRow("no file") << "missing" << QByteArray() << "NET.CFG is not exist";
        QTest::newRow("a folder") << "folder" << QByteArray() << "NET.CFG is not exist";
        QTest::newRow("lower-case header")
            << "file" << QByteArray(filled).replace("[SMTP]", "[smtp]") << notSmtp;
        QTest::newRow("empty file") << "file" << QByteArray() << notSmtp;
        QTest::newRow("mail-and-phone file") << "file" << Scrambler::scramble(mailPhone) << notSmtp;
        QTest::newRow("short file")
            << "file" << filled.left(filled.indexOf("Email1"))
            << "Could not read %1: it has 6 lines where 12 are needed. Nothing was changed.";
        QTest::newRow("unreadable file") << "unreadable" << QByteArray() << "";
    }
    void readRefusesAndChangesNothing()
    {
        QFETCH(QString, pathBox);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        Fixture f;
        QString path = pathBox == "folder" ? f.folder.path() : f.folder.file("NET.CFG");
        if (pathBox == "")
            path.clear();
        else if (pathBox == "file")
            QVERIFY(f.folder.write("NET.CFG", bytes));
        if (pathBox == "unreadable") {
            // A kernel file that is there but fails on reading, even for root.
            path = QStringLiteral("/proc/self/mem");
            if (!QFileInfo(path).isFile())
                QSKIP("no unreadable file here");
            message = SettingsFile::read(path).status.message;
            QVERIFY2(message.startsWith("Could not read " + path + ": "), qPrintable(message));
        }
        if (message.contains("%1"))
            message = message.arg(QDir::toNativeSeparators(path));

        for (const char *name : boxes)
            f.retype(name, name);
        f.retype(f.drop("Combo1")->lineEdit(), "mail.example.org");
        f.retype("Text1", path);
        const QStringList before = f.fields();
        f.dialogs.expectMessage(message);
        f.click("Command1");
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(f.fields(), before);
    }

    // A missing folder: one message naming the file and the reason, no
    // success message, and the NET.CFG already beside it untouched.
    void generateFailureKeepsOldFile()
    {
        Fixture f;
        QVERIFY(f.folder.write("NET.CFG", "old"));
        f.retype("Text1", f.folder.file("gone/x.txt"));
        f.dialogs.expectMessage("Save to " + f.folder.file("gone/NET.CFG"));
        f.dialogs.expectMessage(QStringLiteral("Could not write %1: the folder %2 does not exist.")
                                    .arg(QDir::toNativeSeparators(f.folder.file("gone/NET.CFG")),
                                         QDir::toNativeSeparators(f.folder.file("gone"))));
        f.click("Command2");
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(f.folder.read("NET.CFG"), QByteArray("old"));
        QCOMPARE(
            QDir(f.folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"NET.CFG"});
    }

    // Exit and the title bar both discard this window alone; the main window is not shown.
    void exitDiscardsOnlyThisWindow()
    {
        int mainLoads = 0;
        Forms::define("Form1", [&mainLoads] {
            ++mainLoads;
            return new QWidget;
        });
        Forms::define("Form4", [] { return new SmtpSettingsWindow; });
        QPointer<QWidget> first = Forms::show("Form4");
        QTest::mouseClick(first->findChild<QPushButton *>("Command3"), Qt::LeftButton);
        QVERIFY(!Forms::loaded("Form4"));
        QTRY_VERIFY(first.isNull());

        QPointer<QWidget> second = Forms::show("Form4");
        second->close();
        QVERIFY(!Forms::loaded("Form4"));
        QTRY_VERIFY(second.isNull());
        QCOMPARE(mainLoads, 0);
    }

    // A screen reader says each control's label, or what one without a label is;
    // Tab walks the window frame by frame, left column first.
    void namesAndTabOrder_data()
    {
        using rx20::test::ScreenReader;
        ScreenReader::addColumns();
        ScreenReader::addRow("Combo8", "Label1", "SMTP Type", "Text2");
        ScreenReader::addRow("Combo5", "", "APN caption", "");
        ScreenReader::addRow("Text2", "", "APN", "Combo1");
        ScreenReader::addRow("Combo1", "Label6", "Server", "Text6");
        ScreenReader::addRow("Text6", "Label7", "Port", "Text7");
        ScreenReader::addRow("Text7", "Label8", "Sender", "Text8");
        ScreenReader::addRow("Text8", "Label9", "Password", "Text9");
        ScreenReader::addRow("Text9", "Label10", "Email1", "Text10");
        ScreenReader::addRow("Text10", "Label11", "Email 2", "Text11");
        ScreenReader::addRow("Text11", "Label12", "Email3", "Text12");
        ScreenReader::addRow("Text12", "Label13", "Email 4", "Text13");
        ScreenReader::addRow("Text13", "Label14", "Email5", "Text1");
        ScreenReader::addRow("Text1", "label2", "File Path", "Command4");
        ScreenReader::addRow("Command4", "", "Choose folder", "Command1");
        ScreenReader::addRow("Command1", "", "Read", "Command2");
        ScreenReader::addRow("Command2", "", "Generate", "Command3");
        ScreenReader::addRow("Command3", "", "Exit", "Combo8");
    }
    void namesAndTabOrder()
    {
        Fixture f;
        rx20::test::ScreenReader::verifyRow(f.window.get());
    }
};

QTEST_MAIN(tst_SmtpSettingsWindow)
#include "tst_smtpsettingswindow.moc"

#include "smtp/Scrambler.h"
#include "smtp/SmtpSettingsWindow.h"
#include "support/DialogQueue.h"
#include "support/WorkingFolder.h"
#include "ui/DropDown.h"
#include "ui/Forms.h"
#include "ui/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

using rx20::Scrambler;
using rx20::SettingsFile;
using rx20::SmtpSettingsWindow;
using rx20::test::DialogQueue;
using rx20::ui::DropDown;
using rx20::ui::Forms;

namespace {

const QString created = QStringLiteral("Create configure file!");
const QString notSmtp = QStringLiteral("it is not smtp config,don't read this file");

const char *const fields[] = {"Text2", "Text6", "Text7", "Text8", "Text9",
                              "Text10", "Text11", "Text12", "Text13", "Text1"};

QLineEdit *box(QWidget &window, const char *name)
{
    auto *found = window.findChild<QLineEdit *>(name);
    if (!found)
        qFatal("no box %s", name);
    return found;
}

DropDown *drop(QWidget &window, const char *name)
{
    auto *found = window.findChild<DropDown *>(name);
    if (!found)
        qFatal("no drop-down %s", name);
    return found;
}

void click(QWidget &window, const char *name)
{
    QTest::mouseClick(window.findChild<QPushButton *>(name), Qt::LeftButton);
}

// As a user does it: select everything, delete it, type the new text.
void retype(QLineEdit *edit, const QString &text)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void pick(DropDown *dropDown, int index)
{
    dropDown->setCurrentIndex(index);
    emit dropDown->activated(index);
}

// Every text the window shows in a field, in a fixed order.
QStringList fieldTexts(QWidget &window)
{
    QStringList texts{drop(window, "Combo1")->text(), drop(window, "Combo8")->text()};
    for (const char *name : fields)
        texts.append(box(window, name)->text());
    return texts;
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The file Generate writes from the start values.
QByteArray startFile(QWidget &window, char ssl = '0')
{
    return "[SMTP]\r\nAPN=\r\nServer=" + drop(window, "Combo1")->itemText(0).toLatin1()
           + "\r\nPort=25\r\nSender=\r\nPassword=\r\nEmail1=\r\nEmail2=\r\nEmail3=\r\n"
             "Email4=\r\nEmail5=\r\nSSL="
           + ssl + "\r\n\r\n";
}

const QByteArray filled = "[SMTP]\r\nAPN=cmnet\r\nServer=smtp.aol.com\r\nPort=465\r\n"
                          "Sender=me@example.org\r\nPassword=se cret\r\nEmail1=a@x\r\nEmail2=b@x\r\n"
                          "Email3=\r\nEmail4=d@x\r\nEmail5=e@x\r\nSSL=1\r\n\r\n";

#ifdef Q_OS_LINUX
// Makes every file of this process full after a few bytes, like a full card.
class FullMedium
{
public:
    explicit FullMedium(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullMedium()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_saved{};
    void (*m_signal)(int) = nullptr;
};
#endif

} // namespace

class tst_SmtpSettingsWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<SmtpSettingsWindow> m_window;

    SmtpSettingsWindow &openWindow()
    {
        m_window = std::make_unique<SmtpSettingsWindow>();
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            qWarning("window not exposed");
        return *m_window;
    }

private slots:
    void cleanup()
    {
        m_window.reset();
        Forms::reset();
    }

    void startState()
    {
        auto &w = openWindow();
        QCOMPARE(w.objectName(), QStringLiteral("Form4"));
        QCOMPARE(w.windowTitle(), QStringLiteral("SMTP Setting"));
        QVERIFY(!(w.windowFlags() & Qt::FramelessWindowHint));
        QCOMPARE(w.minimumSize(), w.maximumSize());

        const QList<std::pair<const char *, QString>> captions{
            {"Label1", "SMTP Type"}, {"Label6", "Server"},   {"Label7", "Port"},
            {"Label8", "Sender"},    {"Label9", "Password"}, {"Label10", "Email1"},
            {"Label11", "Email 2"},  {"Label12", "Email3"},  {"Label13", "Email 4"},
            {"Label14", "Email5"},   {"label2", "File Path"}};
        for (const auto &[name, caption] : captions)
            QCOMPARE(w.findChild<QLabel *>(name)->text(), caption);
        const QList<std::pair<const char *, QString>> buttons{
            {"Command1", "Read"}, {"Command2", "Generate"}, {"Command3", "Exit"}, {"Command4", "..."}};
        for (const auto &[name, caption] : buttons)
            QCOMPARE(w.findChild<QPushButton *>(name)->text(), caption);

        auto *type = drop(w, "Combo8");
        QVERIFY(!type->isEditable());
        QCOMPARE(type->count(), 2);
        QCOMPARE(type->itemText(1), QStringLiteral("SSL"));
        auto *apn = drop(w, "Combo5");
        QVERIFY(!apn->isEnabled());
        QCOMPARE(apn->text(), QStringLiteral("APN"));
        auto *server = drop(w, "Combo1");
        QVERIFY(server->isEditable());
        QCOMPARE(server->count(), 4);
        QCOMPARE(box(w, "Text8")->echoMode(), QLineEdit::Normal);

        QCOMPARE(fieldTexts(w), (QStringList{server->itemText(0), "No SSL", "", "25", "", "", "",
                                             "", "", "", "", "C:\\NET.CFG"}));
    }

    void escapeDoesNothing()
    {
        rx20::test::ProgramEndRecorder ends;
        auto &w = openWindow();
        QTest::keyClick(box(w, "Text2"), Qt::Key_Escape);
        QCOMPARE(ends.count(), 0);
        QVERIFY(w.isVisible());
    }

    void pickingAServerSetsPort25_data()
    {
        QTest::addColumn<int>("item");
        for (int i = 0; i < 4; ++i)
            QTest::addRow("item %d", i) << i;
    }
    void pickingAServerSetsPort25()
    {
        QFETCH(int, item);
        auto &w = openWindow();
        auto *server = drop(w, "Combo1");
        retype(box(w, "Text6"), "587");
        pick(server, item);
        QCOMPARE(box(w, "Text6")->text(), QStringLiteral("25"));
        QCOMPARE(server->text(), server->itemText(item));
    }

    void typingAServerLeavesPortAlone()
    {
        auto &w = openWindow();
        auto *server = drop(w, "Combo1");
        retype(box(w, "Text6"), "587");
        // Even the exact name of a list item is not a pick when typed.
        retype(server->lineEdit(), server->itemText(1));
        QTest::keyClick(server->lineEdit(), Qt::Key_Return);
        retype(server->lineEdit(), "mail.example.org");
        QCOMPARE(box(w, "Text6")->text(), QStringLiteral("587"));
    }

    void allEmptyFile()
    {
        DialogQueue dialogs;
        QTemporaryDir dir;
        auto &w = openWindow();
        retype(drop(w, "Combo1")->lineEdit(), "");
        retype(box(w, "Text6"), "");
        retype(box(w, "Text1"), dir.path() + "/");
        dialogs.expectMessage("Save to " + dir.path() + "/NET.CFG");
        dialogs.expectMessage(created);
        click(w, "Command2");
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(contents(dir.filePath("NET.CFG")),
                 QByteArray("[SMTP]\r\nAPN=\r\nServer=\r\nPort=\r\nSender=\r\nPassword=\r\n"
                            "Email1=\r\nEmail2=\r\nEmail3=\r\nEmail4=\r\nEmail5=\r\nSSL=0\r\n\r\n"));
    }

    void sslLine_data()
    {
        QTest::addColumn<bool>("pickSsl");
        QTest::addColumn<char>("digit");
        QTest::newRow("No SSL") << false << '0';
        QTest::newRow("SSL") << true << '1';
    }
    void sslLine()
    {
        QFETCH(bool, pickSsl);
        QFETCH(char, digit);
        DialogQueue dialogs;
        QTemporaryDir dir;
        auto &w = openWindow();
        if (pickSsl)
            QTest::keyClick(drop(w, "Combo8"), Qt::Key_Down);
        retype(box(w, "Text1"), dir.filePath("NET.CFG"));
        dialogs.expectMessage("Save to " + dir.filePath("NET.CFG"));
        dialogs.expectMessage(created);
        click(w, "Command2");
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(contents(dir.filePath("NET.CFG")), startFile(w, digit));
    }

    // Generate writes NET.CFG beside the named file; Read opens the named file itself.
    void pathBoxNamingAFile()
    {
        DialogQueue dialogs;
        QTemporaryDir dir;
        auto &w = openWindow();
        retype(box(w, "Text1"), dir.path() + "/x.txt");
        dialogs.expectMessage("Save to " + dir.path() + "/NET.CFG");
        dialogs.expectMessage(created);
        click(w, "Command2");
        QCOMPARE(contents(dir.filePath("NET.CFG")), startFile(w));
        QVERIFY(!QFile::exists(dir.filePath("x.txt")));

        dialogs.expectMessage("NET.CFG is not exist");
        click(w, "Command1");
        // Only characters 2 to 5 of the first line mark the kind of file.
        QVERIFY(put(dir.filePath("x.txt"), QByteArray(filled).replace("[SMTP]", "xSMTPy")));
        click(w, "Command1");
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(box(w, "Text2")->text(), QStringLiteral("cmnet"));
    }

    void emptyPathBoxWritesInWorkingFolder()
    {
        DialogQueue dialogs;
        rx20::test::WorkingFolder folder;
        auto &w = openWindow();
        retype(box(w, "Text1"), "");
        dialogs.expectMessage("Save to NET.CFG");
        dialogs.expectMessage(created);
        click(w, "Command2");
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(folder.read("NET.CFG"), startFile(w));
    }

    void folderPickerThenGenerate()
    {
        DialogQueue dialogs;
        QTemporaryDir dir;
        auto &w = openWindow();
        const QString picked = QDir::toNativeSeparators(dir.path()) + QDir::separator() + "NET.CFG";
        dialogs.expectFolder(dir.path());
        click(w, "Command4");
        QCOMPARE(box(w, "Text1")->text(), picked);
        dialogs.expectMessage("Save to " + picked);
        dialogs.expectMessage(created);
        click(w, "Command2");
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(contents(dir.filePath("NET.CFG")), startFile(w));
    }

    void readRefusesAndChangesNothing_data()
    {
        QTest::addColumn<QString>("pathBox"); // "file": the file below is in the box
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message"); // empty: the file layer's own message

        const QByteArray body = filled.mid(filled.indexOf('\n') + 1);
        // The mail-and-phone window's file: this layout plus three lines, then scrambled.
        const QByteArray mailPhone = filled.left(filled.indexOf("SSL=")) + "SSL=1\r\nPhone1=123\r\n"
                                     "APNAccount=\r\nAPNPassword=\r\n";
        QTest::newRow("empty path box") << "" << QByteArray() << "Path is not exist";
        QTest::newRow("no file") << "missing" << QByteArray() << "NET.CFG is not exist";
        QTest::newRow("a folder") << "folder" << QByteArray() << "NET.CFG is not exist";
        QTest::newRow("lower-case header") << "file" << "[smtp]\r\n" + body << notSmtp;
        QTest::newRow("MMS file") << "file" << "[MMS]\r\n" + body << notSmtp;
        QTest::newRow("empty file") << "file" << QByteArray() << notSmtp;
        QTest::newRow("mail-and-phone file") << "file" << Scrambler::scramble(mailPhone) << notSmtp;
        QTest::newRow("short file") << "file" << filled.left(filled.indexOf("Email1")) << "";
        QTest::newRow("unreadable file") << "unreadable" << filled << "";
    }
    void readRefusesAndChangesNothing()
    {
        QFETCH(QString, pathBox);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QString path = dir.filePath("NET.CFG");
        if (pathBox == "")
            path.clear();
        else if (pathBox == "folder")
            path = dir.path();
        else if (pathBox != "missing")
            QVERIFY(put(path, bytes));
        if (pathBox == "unreadable") {
            QFile::setPermissions(path, {});
            if (QFile probe(path); probe.open(QIODevice::ReadOnly)) {
                // This user reads anything (root); a kernel file that fails
                // on reading stands in.
                if (!QFileInfo(QStringLiteral("/proc/self/mem")).isFile())
                    QSKIP("no unreadable file for this user");
                path = QStringLiteral("/proc/self/mem");
            }
        }
        if (message.isEmpty()) {
            const auto lines = SettingsFile::read(path);
            message = lines.status ? SettingsFile::tooShort(path, 12, int(lines.lines.size())).message
                                   : lines.status.message;
            QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        }

        DialogQueue dialogs;
        auto &w = openWindow();
        for (const char *name : fields)
            retype(box(w, name), name);
        retype(drop(w, "Combo1")->lineEdit(), "mail.example.org");
        retype(box(w, "Text1"), path);
        const QStringList before = fieldTexts(w);
        dialogs.expectMessage(message);
        click(w, "Command1");
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(fieldTexts(w), before);
    }

    void generateThenReadRestoresEveryFieldButSsl()
    {
        DialogQueue dialogs;
        QTemporaryDir dir;
        const QString path = dir.filePath("NET.CFG");
        auto &w = openWindow();
        QTest::keyClick(drop(w, "Combo8"), Qt::Key_Down);
        retype(box(w, "Text2"), "cmnet");
        pick(drop(w, "Combo1"), 3);
        retype(box(w, "Text6"), "465");
        retype(box(w, "Text7"), "me@example.org");
        retype(box(w, "Text8"), "se cret");
        retype(box(w, "Text9"), "a@x");
        retype(box(w, "Text10"), "b@x");
        retype(box(w, "Text12"), "d@x");
        retype(box(w, "Text13"), "e@x");
        retype(box(w, "Text1"), path);
        QCOMPARE(drop(w, "Combo1")->text(), QStringLiteral("smtp.aol.com"));
        dialogs.expectMessage("Save to " + path);
        dialogs.expectMessage(created);
        click(w, "Command2");
        QCOMPARE(contents(path), filled);
        QStringList written = fieldTexts(w);

        auto &fresh = openWindow();
        retype(box(fresh, "Text1"), path);
        click(fresh, "Command1");
        VERIFY_DIALOGS(dialogs);
        written[1] = "No SSL";
        QCOMPARE(fieldTexts(fresh), written);
    }

    void generateFailureKeepsOldFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("missing folder") << "missing folder";
        QTest::newRow("folder in the way") << "folder in the way";
        QTest::newRow("read-only folder") << "read-only folder";
        QTest::newRow("full medium") << "full medium";
    }
    void generateFailureKeepsOldFile()
    {
        QFETCH(QString, fault);
        QTemporaryDir dir;
        QString folder = dir.path();
        const QByteArray old = "[SMTP]\r\nold\r\n";
        if (fault == "missing folder")
            folder += "/gone";
        else if (fault == "folder in the way")
            QVERIFY(QDir(folder).mkdir("NET.CFG"));
        else
            QVERIFY(put(folder + "/NET.CFG", old));
        const QString target = folder + "/NET.CFG";

        DialogQueue dialogs;
        auto &w = openWindow();
        retype(box(w, "Text7"), "me@example.org");
        retype(box(w, "Text1"), folder + "/x.txt");

        const auto writable = [&folder] {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                              | QFileDevice::ExeOwner);
        };
        if (fault == "read-only folder") {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            if (QFile probe(folder + "/probe"); probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                writable();
                QSKIP("this user writes into read-only folders (root)");
            }
        }
#ifdef Q_OS_LINUX
        std::optional<FullMedium> full;
        if (fault == "full medium")
            full.emplace(old.size() + 8);
#else
        if (fault == "full medium")
            QSKIP("no way to fill a medium here");
#endif
        // What the file layer says about this target for a file as long.
        const auto expected = SettingsFile::write(target, QStringList{QString(300, 'x')});
        if (expected.ok) {
#ifdef Q_OS_LINUX
            full.reset();
#endif
            QFAIL("the file layer reported success where the file cannot be written whole");
        }
        dialogs.expectMessage("Save to " + target);
        dialogs.expectMessage(expected.message);
        click(w, "Command2");
#ifdef Q_OS_LINUX
        full.reset();
#endif
        if (fault == "read-only folder")
            writable();
        VERIFY_DIALOGS(dialogs);
        QVERIFY2(expected.message.contains(QDir::toNativeSeparators(target)),
                 qPrintable(expected.message));
        if (fault == "folder in the way")
            QVERIFY(QFileInfo(target).isDir());
        else if (fault != "missing folder")
            QCOMPARE(contents(target), old);
        // No half-written copy is left beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 fault == "missing folder" || fault == "folder in the way"
                     ? QStringList{}
                     : QStringList{"NET.CFG"});
    }

    void exitDiscardsOnlyThisWindow()
    {
        int mainLoads = 0;
        Forms::define("Form1", [&mainLoads] {
            ++mainLoads;
            return new QWidget;
        });
        Forms::define("Form4", [] { return new SmtpSettingsWindow; });
        QPointer<QWidget> first = Forms::show("Form4");
        QVERIFY(QTest::qWaitForWindowExposed(first));
        retype(box(*first, "Text7"), "me@example.org");
        click(*first, "Command3");
        QVERIFY(!Forms::loaded("Form4"));
        QTRY_VERIFY(first.isNull());
        QCOMPARE(mainLoads, 0);

        // The next showing starts afresh; closing by the title bar discards it too.
        QPointer<QWidget> second = Forms::show("Form4");
        QCOMPARE(box(*second, "Text7")->text(), QString());
        second->close();
        QVERIFY(!Forms::loaded("Form4"));
        QTRY_VERIFY(second.isNull());
        QCOMPARE(mainLoads, 0);
    }
};

QTEST_MAIN(tst_SmtpSettingsWindow)
#include "tst_smtpsettingswindow.moc"

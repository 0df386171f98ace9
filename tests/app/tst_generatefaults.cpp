// Generate in each of the five windows against what goes wrong on a card: a
// folder that is gone, a read-only folder, a folder where the file should be,
// a card that fills up mid-write, values of a megabyte, and a code page this
// system cannot convert. On Linux a child process causes the two faults that
// need other limits or rights than the test's; on Windows the read-only
// attribute protects a file from the test itself.
#include "camera/CameraSettingsWindow.h"
#include "camera/MmsSettingsWindow.h"
#include "files/CodePage.h"
#include "files/SettingsFile.h"
#include "smtp/MailPhoneSettingsWindow.h"
#include "smtp/Scrambler.h"
#include "smtp/SmtpSettingsWindow.h"
#include "support/DialogQueue.h"
#include "ui/MessageBox.h"
#include "wireless/WirelessSettingsWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>

#ifndef Q_OS_WIN
#include <grp.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

using rx20::test::DialogQueue;

namespace {

enum class Fault {
    MissingFolder,
    ReadOnlyFolder,
    TargetIsFolder,
    FullMedium,
    MegabyteValue,
    NoCodePage
};

// How a user drives a window's Generate.
struct Window
{
    QString form;
    std::function<QWidget *()> make;
    QString fileName;
    QString pathBox;   // empty: the file goes to the working folder
    bool boxNamesFile; // the box holds the file's own path, not its folder
    bool announces;    // "Save to <target>" comes before the write
    QString success;
    QStringList reminderBoxes; // typed into so that no reminder shows
    QString bigBox;            // takes the megabyte ...
    QString bigKey;            // ... and writes it on this line
    bool scrambled;
};

const QList<Window> &windows()
{
    using namespace rx20;
    // clang-format off
    static const QList<Window> all = {
        // form, window, file, path box, box names the file, announces, success,
        // reminder boxes, megabyte box and its key, scrambled
        {"Form5", [] { return new WirelessSettingsWindow; }, "MMS.INI", "Text17", false, false,
         "Create configure file success.", {"Text7", "Text12"}, "Text20", "Server=", false},
        {"Form4", [] { return new SmtpSettingsWindow; }, "NET.CFG", "Text1", false, true,
         "Create configure file!", {}, "Text7", "Sender=", false},
        {"Form7", [] { return new MailPhoneSettingsWindow; }, "NET.CFG", "Text18", false, false,
         "Create configure file success.", {"Text7", "Text12"}, "Text6", "Sender=", true},
        {"Form3", [] { return new MmsSettingsWindow; }, "NET.CFG", "Text15", true, true,
         "Create configure file!", {"Text5"}, "Text10", "Email1=", false},
        {"Form2", [] { return new CameraSettingsWindow; }, "CAMERA.CFG", {}, false, false,
         QString::fromUtf8("生成配置文件成功"), {}, "Text1", "Camera Name=", false},
    };
    // clang-format on
    return all;
}

const Window &windowFor(const QString &form)
{
    for (const Window &w : windows()) {
        if (w.form == form)
            return w;
    }
    qFatal("no window %s", qPrintable(form));
}

const QByteArray previous = "[OLD]\r\nkept=1\r\n";
const QByteArray missingCodePage = "x-rx20-no-such-code-page";

// A megabyte of text that survives every code page and the scrambler as it is.
QString megabyte()
{
    static const QString value = [] {
        const QString pattern = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
        QString text;
        text.reserve(1 << 20);
        while (text.size() < (1 << 20))
            text += pattern;
        text.truncate(1 << 20);
        return text;
    }();
    return value;
}

QLineEdit *box(QWidget *window, const QString &name)
{
    auto *found = window->findChild<QLineEdit *>(name);
    if (!found)
        qFatal("no box %s", qPrintable(name));
    return found;
}

void typeInto(QWidget *window, const QString &name, const QString &text)
{
    QLineEdit *target = box(window, name);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(target, text);
}

void pasteInto(QWidget *window, const QString &name, const QString &text)
{
    QLineEdit *target = box(window, name);
    QGuiApplication::clipboard()->setText(text);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

// The path box's text for a card folder, and the file Generate writes there.
QString pathText(const Window &w, const QString &folder)
{
    return QDir::toNativeSeparators(w.boxNamesFile ? folder + '/' + w.fileName : folder + '/');
}

// Opens the window, fills it in as the user would, and leaves Generate to click.
std::unique_ptr<QWidget> fillIn(const Window &w, const QString &folder, bool big)
{
    std::unique_ptr<QWidget> window(w.make());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("window not exposed");
    if (!w.pathBox.isEmpty())
        typeInto(window.get(), w.pathBox, pathText(w, folder));
    for (const QString &name : w.reminderBoxes)
        typeInto(window.get(), name, QStringLiteral("5551234"));
    if (big)
        pasteInto(window.get(), w.bigBox, megabyte());
    return window;
}

void clickGenerate(QWidget *window)
{
    auto *generate = window->findChild<QPushButton *>(QStringLiteral("Command2"));
    if (!generate)
        qFatal("no Generate button");
    QTest::mouseClick(generate, Qt::LeftButton);
}

#ifndef Q_OS_WIN
// In a child process: one Generate under a file size limit or without root's
// rights, every message printed on its own line.
constexpr rlim_t roomOnCard = 64; // bytes: less than any of the files
constexpr int nobody = 65534;

int generateInChild(const QString &form, Fault fault, const QString &folder)
{
    const Window &w = windowFor(form);
    const std::unique_ptr<QWidget> window = fillIn(w, folder, false);
    rx20::ui::MessageBox::setHandler([](QWidget *, const QString &text) {
        std::printf("%s\n", text.toUtf8().toPercentEncoding().constData());
    });
    if (fault == Fault::FullMedium) {
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending us
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = roomOnCard;
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 3;
    } else if (fault == Fault::ReadOnlyFolder && geteuid() == 0) {
        // Root writes into any folder; the user at a card's read-only folder cannot.
        if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)
            return 3;
    }
    clickGenerate(window.get());
    std::fflush(stdout);
    // Without root's rights nothing at exit is worth running.
    std::_Exit(0);
}

// The faults the test's own process cannot meet: root writes into a
// read-only folder, and only a child can have its file size limited.
bool faultInChild(Fault fault)
{
    return fault == Fault::ReadOnlyFolder || fault == Fault::FullMedium;
}

bool canCause(const Window &, Fault)
{
    return true;
}
#else
bool faultInChild(Fault)
{
    return false;
}

// Windows limits no process's file size (a full card there takes a small
// volume of its own), and keeps a process's working folder from being removed.
bool canCause(const Window &w, Fault fault)
{
    return fault != Fault::FullMedium && !(fault == Fault::MissingFolder && w.pathBox.isEmpty());
}
#endif

QStringList generateChild(const Window &w, Fault fault, const QString &folder,
                          const QString &workingFolder)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("RX20_GENERATE_CHILD"),
                       QStringLiteral("%1 %2 %3").arg(w.form).arg(int(fault)).arg(folder));
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory(workingFolder);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit
        || child.exitCode() != 0)
        return {QStringLiteral("child failed: %1").arg(child.exitCode())};
    QStringList shown;
    const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        if (!line.isEmpty())
            shown << QString::fromUtf8(QByteArray::fromPercentEncoding(line));
    }
    return shown;
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// What the user sees, in order: an announcement where the window makes one,
// then one message naming the file.
QStringList expectedMessages(const Window &w, Fault fault, const QString &card)
{
    QStringList expected;
    if (w.announces)
        expected << QStringLiteral("Save to ") + pathText(w, card)
                        + (w.boxNamesFile ? "" : w.fileName);
    const QString shown =
        w.pathBox.isEmpty() ? w.fileName : QDir::toNativeSeparators(card + '/' + w.fileName);
    QString reason;
    switch (fault) {
    case Fault::MissingFolder:
        reason = w.pathBox.isEmpty() ? QStringLiteral("the working folder no longer exists")
                                     : QStringLiteral("the folder %1 does not exist")
                                           .arg(QDir::toNativeSeparators(card));
        break;
    case Fault::ReadOnlyFolder:
        reason = QStringLiteral("Existing file %1 is not writable").arg(shown);
        break;
    case Fault::TargetIsFolder:
        reason = QStringLiteral("a folder of that name is in the way");
        break;
    case Fault::FullMedium:
        reason = QStringLiteral("File too large");
        break;
    case Fault::MegabyteValue:
        return expected << w.success;
    case Fault::NoCodePage:
        return expected << rx20::SettingsFile::codePageMissing(missingCodePage);
    }
    return expected << QStringLiteral("Could not write %1: %2.").arg(shown, reason);
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class tst_GenerateFaults : public QObject
{
    Q_OBJECT

private slots:
    void generate_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<Fault>("fault");
        const std::pair<Fault, const char *> faults[] = {
            {Fault::MissingFolder, "missing folder"},
            {Fault::ReadOnlyFolder, "read-only folder"},
            {Fault::TargetIsFolder, "folder in the way"},
            {Fault::FullMedium, "full card"},
            {Fault::MegabyteValue, "megabyte value"},
            {Fault::NoCodePage, "code page not convertible"},
        };
        for (const Window &w : windows()) {
            for (const auto &[fault, name] : faults) {
                if (canCause(w, fault))
                    QTest::addRow("%s %s", qPrintable(w.form), name) << w.form << fault;
            }
        }
    }

    void generate()
    {
        QFETCH(QString, form);
        QFETCH(Fault, fault);
        const Window &w = windowFor(form);

        // The card: a folder with the file of an earlier Generate, or a
        // folder of the file's name, or nothing at all.
        QTemporaryDir scratch;
        // Open to all, so a child without root's rights reaches the card.
        QFile::setPermissions(scratch.path(), QFile::permissions(scratch.path())
                                                  | QFileDevice::ReadOther | QFileDevice::ExeOther);
        const QString card = scratch.filePath(QStringLiteral("card"));
        const QString target = card + '/' + w.fileName;
        QVERIFY(QDir().mkdir(card));
        if (fault == Fault::TargetIsFolder) {
            QVERIFY(QDir().mkdir(target));
        } else {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(previous) == previous.size());
        }
        // The camera window writes into the working folder, which is the card.
        const QString before = QDir::currentPath();
        const auto restore = qScopeGuard([&] { QDir::setCurrent(before); });
        if (w.pathBox.isEmpty())
            QVERIFY(QDir::setCurrent(card));
        if (fault == Fault::MissingFolder) // the card was taken out
            QVERIFY(QDir(card).removeRecursively());
        const QString listedFolder = fault == Fault::MissingFolder ? scratch.path() : card;
        const QStringList listed = entries(listedFolder);
        const QStringList expected = expectedMessages(w, fault, card);

        const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner
                              | QFileDevice::ReadOther | QFileDevice::ExeOther;
        // A write-protected card: its folder and its files are read-only.
        if (fault == Fault::ReadOnlyFolder) {
            QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ReadOther));
            QVERIFY(QFile::setPermissions(card, readOnly));
        }
        if (faultInChild(fault)) {
            const QStringList shown =
                generateChild(w, fault, card, w.pathBox.isEmpty() ? card : before);
            QFile::setPermissions(card, readOnly | QFileDevice::WriteOwner);
            QCOMPARE(shown, expected);
        } else {
            DialogQueue dialogs;
            const std::unique_ptr<QWidget> window = fillIn(w, card, fault == Fault::MegabyteValue);
            for (const QString &message : expected)
                dialogs.expectMessage(message);
            if (fault == Fault::NoCodePage)
                rx20::CodePage::setSystemName(missingCodePage);
            const auto systemCodePage = qScopeGuard([] { rx20::CodePage::setSystemName({}); });
            clickGenerate(window.get());
            VERIFY_DIALOGS(dialogs);
        }

        if (fault != Fault::MegabyteValue) {
            // Nothing changed on the card: no new file, no half-written one.
            QCOMPARE(entries(listedFolder), listed);
            if (fault == Fault::TargetIsFolder)
                QCOMPARE(entries(target), QStringList());
            else if (fault != Fault::MissingFolder)
                QCOMPARE(contents(target), previous);
            return;
        }
        // The whole value is on its line, however long.
        QByteArray written = contents(target);
        if (w.scrambled)
            written = rx20::Scrambler::unscramble(written);
        const QStringList lines = rx20::SettingsFile::splitLines(
            rx20::CodePage::decode(written, rx20::CodePage::systemName()));
        QVERIFY2(lines.contains(w.bigKey + megabyte()),
                 qPrintable(QStringLiteral("no line %1 of %2 characters in %3 bytes")
                                .arg(w.bigKey)
                                .arg(megabyte().size())
                                .arg(written.size())));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
#ifndef Q_OS_WIN
    if (const QByteArray child = qgetenv("RX20_GENERATE_CHILD"); !child.isEmpty()) {
        const QList<QByteArray> parts = child.split(' ');
        return generateInChild(QString::fromUtf8(parts.value(0)), Fault(parts.value(1).toInt()),
                               QString::fromUtf8(parts.mid(2).join(' ')));
    }
#endif
    tst_GenerateFaults test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_generatefaults.moc"

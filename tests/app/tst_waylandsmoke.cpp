// The program on a real Wayland compositor: weston without a screen, on a
// socket and runtime folder of its own. The program runs in a child process
// (a crash in Qt's Wayland plugin must not take the test with it) and is
// driven through its own windows only. Qt 6.4's Wayland plugin crashes where
// the compositor has no input seat, as weston without a screen has none:
// opening a drop-down's list, and typing into a box through its text-input
// support (so the child runs without an input method).
#include "app/FormDefinitions.h"
#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/SystemMove.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using rx20::ui::Forms;

namespace {

const char childVariable[] = "RX20_WAYLAND_CHILD";
const QString socketName = QStringLiteral("rx20-smoke");

// In the child: what happened, one line at a time, for the test to compare.
void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

bool shownOnScreen(QWidget *window)
{
    return window && window->isVisible() && QTest::qWaitForWindowExposed(window, 10000);
}

template <typename T> T *control(QWidget *window, const char *name)
{
    T *found = window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!found) {
        say(QStringLiteral("no control %1").arg(QLatin1String(name)));
        QCoreApplication::exit(3);
    }
    return found;
}

// The user's session: the main window, the link, a Generate, Exit, Esc.
void drive(const QString &card)
{
    say(QStringLiteral("platform %1").arg(QGuiApplication::platformName()));
    say(QStringLiteral("drag handed to the compositor: %1")
            .arg(rx20::ui::SystemMove::isNeeded() ? "yes" : "no"));
    QWidget *main = Forms::loaded(QStringLiteral("Form1"));
    say(QStringLiteral("main window shown: %1").arg(shownOnScreen(main) ? "yes" : "no"));

    QTest::mouseClick(control<QLabel>(main, "Label5"), Qt::LeftButton, {}, QPoint(3, 3));
    QWidget *wireless = Forms::loaded(QStringLiteral("Form5"));
    say(QStringLiteral("wireless window shown: %1").arg(shownOnScreen(wireless) ? "yes" : "no"));
    say(QStringLiteral("main window hidden: %1").arg(main->isVisible() ? "no" : "yes"));

    // The operator the window preselects; the numbers keep the reminders away.
    for (const char *box : {"Text7", "Text12"})
        QTest::keyClicks(control<QLineEdit>(wireless, box), QStringLiteral("5551234"));
    QTest::keyClicks(control<QLineEdit>(wireless, "Text17"), QDir::toNativeSeparators(card + '/'));
    QTest::mouseClick(control<QPushButton>(wireless, "Command2"), Qt::LeftButton);
    say(QStringLiteral("MMS.INI written: %1")
            .arg(QFile(card + QStringLiteral("/MMS.INI")).size() > 0 ? "yes" : "no"));

    QTest::mouseClick(control<QPushButton>(wireless, "Command3"), Qt::LeftButton);
    main = Forms::loaded(QStringLiteral("Form1"));
    say(QStringLiteral("back at the main window: %1").arg(shownOnScreen(main) ? "yes" : "no"));
    QTest::keyClick(main, Qt::Key_Escape);
}

int runChild(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString card = qEnvironmentVariable(childVariable);
    rx20::ui::MessageBox::setHandler(
        [](QWidget *, const QString &text) { say(QStringLiteral("message: %1").arg(text)); });
    rx20::defineForms();
    Forms::show(QStringLiteral("Form1"));
    QTimer::singleShot(0, &app, [card] { drive(card); });
    const int status = app.exec();
    say(QStringLiteral("program ended: %1").arg(status));
    return status;
}

} // namespace

class tst_WaylandSmoke : public QObject
{
    Q_OBJECT

private slots:
    void programRunsOnWeston()
    {
        const QString weston = QStandardPaths::findExecutable(QStringLiteral("weston"));
        if (weston.isEmpty())
            QSKIP("weston is not installed (scripts/install-deps.sh installs it)");

        QTemporaryDir runtime;
        QVERIFY(runtime.isValid());
        QVERIFY(QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner
                                                          | QFileDevice::WriteOwner
                                                          | QFileDevice::ExeOwner));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("DISPLAY"));

        QProcess compositor;
        compositor.setProcessEnvironment(environment);
        compositor.setProcessChannelMode(QProcess::MergedChannels);
        compositor.start(weston, {QStringLiteral("--backend=headless-backend.so"),
                                  QStringLiteral("--socket=") + socketName,
                                  QStringLiteral("--idle-time=0"), QStringLiteral("--no-config")});
        QVERIFY2(compositor.waitForStarted(), qPrintable(compositor.errorString()));
        const auto stop = qScopeGuard([&compositor] {
            compositor.terminate();
            if (!compositor.waitForFinished(10000))
                compositor.kill();
            compositor.waitForFinished();
        });
        QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(runtime.filePath(socketName)),
                                  compositor.readAll().constData(), 20000);

        QTemporaryDir card;
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), socketName);
        environment.insert(QLatin1String(childVariable), card.path());
        environment.insert(QStringLiteral("QT_IM_MODULE"), QStringLiteral("none"));
        // The windows draw into shared memory; the EGL client-buffer integration
        // would load whichever graphics driver the machine has (Mesa's leaks a
        // block from a library it unloads before exit), so the child stays off it.
        environment.insert(QStringLiteral("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION"),
                           QStringLiteral("none"));
        // Under LeakSanitizer: the Wayland client library keeps a few blocks
        // of its own to the end; the program's own leaks still count.
        QFile suppressions(runtime.filePath(QStringLiteral("lsan.supp")));
        QVERIFY(suppressions.open(QIODevice::WriteOnly)
                && suppressions.write("leak:libwayland-client.so\n") > 0);
        suppressions.close();
        QString leakOptions = environment.value(QStringLiteral("LSAN_OPTIONS"));
        if (!leakOptions.isEmpty())
            leakOptions += QLatin1Char(':');
        environment.insert(QStringLiteral("LSAN_OPTIONS"),
                           leakOptions + QStringLiteral("suppressions=") + suppressions.fileName());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(program.waitForFinished(120000));
        const QStringList said = QString::fromUtf8(program.readAllStandardOutput())
                                     .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(said, QStringList({
                           "platform wayland",
                           "drag handed to the compositor: yes",
                           "main window shown: yes",
                           "wireless window shown: yes",
                           "main window hidden: yes",
                           "message: Create configure file success.",
                           "MMS.INI written: yes",
                           "back at the main window: yes",
                           "program ended: 0",
                       }));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(QFile::exists(card.filePath(QStringLiteral("MMS.INI"))));
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(childVariable))
        return runChild(argc, argv);
    QCoreApplication app(argc, argv);
    tst_WaylandSmoke test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_waylandsmoke.moc"

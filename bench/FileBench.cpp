// Each window's Generate and Read, clicked ROUNDS times (default 50) with
// the window's opening values, into a scratch folder. Prints the median
// time of each; under callgrind the instruction counts of the click handlers
// are the repeatable view.
#include "camera/CameraSettingsWindow.h"
#include "camera/MmsSettingsWindow.h"
#include "files/SettingsFile.h"
#include "smtp/MailNetCfg.h"
#include "smtp/MailPhoneSettingsWindow.h"
#include "smtp/SmtpSettingsWindow.h"
#include "ui/MessageBox.h"
#include "wireless/WirelessSettingsWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Window
{
    const char *form;
    std::function<QWidget *()> make;
    const char *pathBox; // nullptr: the working folder
    const char *fileName;
};

double medianMicroseconds(std::vector<qint64> nanoseconds)
{
    std::sort(nanoseconds.begin(), nanoseconds.end());
    return nanoseconds.empty() ? 0 : nanoseconds[nanoseconds.size() / 2] / 1000.0;
}

double clickTimes(QWidget *window, const char *button, int rounds)
{
    auto *command = window->findChild<QPushButton *>(QLatin1String(button));
    std::vector<qint64> times;
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        timer.start();
        command->click();
        times.push_back(timer.nsecsElapsed());
    }
    return medianMicroseconds(times);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 50;
    rx20::ui::MessageBox::setHandler([](QWidget *, const QString &) {});

    const Window windows[] = {
        {"Form5", [] { return new rx20::WirelessSettingsWindow; }, "Text17", "MMS.INI"},
        {"Form4", [] { return new rx20::SmtpSettingsWindow; }, "Text1", "NET.CFG"},
        {"Form7", [] { return new rx20::MailPhoneSettingsWindow; }, "Text18", "NET.CFG"},
        {"Form3", [] { return new rx20::MmsSettingsWindow; }, "Text15", "NET.CFG"},
        {"Form2", [] { return new rx20::CameraSettingsWindow; }, nullptr, "CAMERA.CFG"},
    };
    QTemporaryDir scratch;
    std::printf("window  generate-us  read-us\n");
    for (const Window &w : windows) {
        // Generate writes into card/; Read takes the file from the path box or
        // the working folder, which is card/ too. The mail window's Read
        // takes plain text only, so its working folder holds a plain file.
        const QString card = scratch.filePath(QLatin1String(w.form));
        QDir().mkpath(card + QStringLiteral("/plain"));
        const std::unique_ptr<QWidget> window(w.make());
        if (w.pathBox)
            window->findChild<QLineEdit *>(QLatin1String(w.pathBox))
                ->setText(QDir::toNativeSeparators(card + '/' + QLatin1String(w.fileName)));
        QDir::setCurrent(card);
        const double generate = clickTimes(window.get(), "Command2", rounds);
        if (qstrcmp(w.form, "Form7") == 0) {
            QDir::setCurrent(card + QStringLiteral("/plain"));
            rx20::SettingsFile::write(QStringLiteral("NET.CFG"),
                                      rx20::MailNetCfg::lines(rx20::MailNetCfgValues()));
        }
        const double read = clickTimes(window.get(), "Command1", rounds);
        std::printf("%s  %11.1f  %7.1f\n", w.form, generate, read);
    }
    QDir::setCurrent(QDir::tempPath());
    return 0;
}

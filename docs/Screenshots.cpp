// Saves a picture of every window into the folder given on the command line
// (scripts/screenshots.sh runs it under Xvfb at 96 dpi).
#include "app/FormDefinitions.h"
#include "app/Language.h"
#include "ui/Forms.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir out(app.arguments().value(1, QStringLiteral(".")));
    rx20::defineForms();
    const QList<std::pair<const char *, const char *>> windows{
        {"Form1", "main-window"},
        {"Form5", "wireless-settings"},
        {"Form2", "camera-settings"},
        {"Form3", "mms-settings"},
        {"Form4", "smtp-settings"},
        {"Form7", "mail-phone-settings"},
        // The wireless window in two languages of the README's.
        {"Form5", "de"},
        {"Form5", "zh_CN"},
    };
    for (const auto &[form, file] : windows) {
        const bool translated = rx20::Language::codes().contains(QString::fromLatin1(file));
        rx20::Language::use(translated ? QString::fromLatin1(file) : QStringLiteral("en"));
        const QString name = translated ? QStringLiteral("wireless-settings-%1").arg(file)
                                        : QString::fromLatin1(file);
        QWidget *window = rx20::ui::Forms::show(QString::fromLatin1(form));
        if (!QTest::qWaitForWindowExposed(window))
            return 1;
        QTest::qWait(200);
        if (!window->grab().save(out.filePath(name + ".png")))
            return 1;
        rx20::ui::Forms::unload(QString::fromLatin1(form));
    }
    return 0;
}

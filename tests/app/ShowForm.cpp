// rx20-show-form FORM: the program with one of its windows shown directly,
// for the windows that no window opens (the AT-SPI test walks them).
// It speaks the desktop's language, as the program does.
// It ends once that window is unloaded, or with Esc where the window has it.
#include "app/FormDefinitions.h"
#include "app/Language.h"
#include "ui/Forms.h"

#include <QApplication>
#include <QLocale>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString form = app.arguments().value(1);
    // In the desktop's language, as the program chooses it.
    rx20::Language::use(rx20::Language::choose(QLocale::system().uiLanguages()));
    rx20::defineForms();
    if (!rx20::ui::Forms::isDefined(form)) {
        std::fprintf(stderr, "rx20-show-form: no window %s\n", qPrintable(form));
        return 2;
    }
    QWidget *window = rx20::ui::Forms::show(form);
    QObject::connect(window, &QObject::destroyed, &app, &QCoreApplication::quit);
    return app.exec();
}

// rx20-show-form FORM: the program with one of its windows shown directly,
// for the windows that no window opens (the AT-SPI test walks them).
// It ends once that window is unloaded, or with Esc where the window has it.
#include "app/FormDefinitions.h"
#include "ui/Forms.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString form = app.arguments().value(1);
    rx20::defineForms();
    if (!rx20::ui::Forms::isDefined(form)) {
        std::fprintf(stderr, "rx20-show-form: no window %s\n", qPrintable(form));
        return 2;
    }
    QWidget *window = rx20::ui::Forms::show(form);
    QObject::connect(window, &QObject::destroyed, &app, &QCoreApplication::quit);
    return app.exec();
}

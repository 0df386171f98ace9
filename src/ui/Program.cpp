#include "ui/Program.h"

#include <QApplication>
#include <QWidget>

namespace rx20::ui {

namespace {
Program::Handler &handler()
{
    static Program::Handler instance;
    return instance;
}
} // namespace

void Program::end()
{
    if (handler()) {
        handler()();
        return;
    }
    // Hide everything now so nothing more is drawn, then leave the event loop.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
    QCoreApplication::exit(0);
}

void Program::setEndHandler(Handler replacement)
{
    handler() = std::move(replacement);
}

} // namespace rx20::ui

#include "ui/SystemMove.h"

#include <QGuiApplication>
#include <QWindow>

namespace rx20::ui {

namespace {

SystemMove::Check &check()
{
    static SystemMove::Check instance;
    return instance;
}

SystemMove::Starter &starter()
{
    static SystemMove::Starter instance;
    return instance;
}

} // namespace

bool SystemMove::isNeeded()
{
    if (check())
        return check()();
    // Wayland ignores a client's window positions.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool SystemMove::start(QWindow *window)
{
    if (!window)
        return false;
    if (starter())
        return starter()(window);
    return window->startSystemMove();
}

void SystemMove::setCheck(Check replacement)
{
    check() = std::move(replacement);
}

void SystemMove::setStarter(Starter replacement)
{
    starter() = std::move(replacement);
}

} // namespace rx20::ui

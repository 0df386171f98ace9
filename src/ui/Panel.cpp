#include "ui/Panel.h"

#include "ui/Accessibility.h"

namespace rx20::ui {

Panel::Panel(QWidget *parent)
    : QFrame(parent)
{
    installAccessibility();
}

} // namespace rx20::ui

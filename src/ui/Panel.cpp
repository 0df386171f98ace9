#include "ui/Panel.h"

#include <QAccessibleWidget>

namespace rx20::ui {

namespace {

QAccessibleInterface *accessiblePanel(const QString &className, QObject *object)
{
    if (className == QLatin1String(Panel::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Pane);
    return nullptr;
}

} // namespace

Panel::Panel(QWidget *parent)
    : QFrame(parent)
{
    static const bool registered = (QAccessible::installFactory(accessiblePanel), true);
    Q_UNUSED(registered)
}

} // namespace rx20::ui

#include "ui/Accessibility.h"

#include "ui/LinkLabel.h"
#include "ui/Panel.h"

#include <QAccessibleWidget>

namespace rx20::ui {

namespace {

// A link, named by the form's accessible name or its caption, without leading
// blanks (they would read as empty braille cells); its press action is a click.
class AccessibleLink : public QAccessibleWidget
{
public:
    explicit AccessibleLink(LinkLabel *link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    // Without an accessible name of its own, a link is named by its caption.
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString name = widget()->accessibleName();
        return (name.isEmpty() ? static_cast<const LinkLabel *>(widget())->text() : name)
            .trimmed();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<LinkLabel *>(widget())->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *accessibleWidget(const QString &className, QObject *object)
{
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()))
        return new AccessibleLink(static_cast<LinkLabel *>(object));
    // A plain frame is reported in the role of a window, and a reader then
    // keeps quiet about the controls inside it.
    if (className == QLatin1String(Panel::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Pane);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(accessibleWidget), true);
    Q_UNUSED(installed)
}

} // namespace rx20::ui

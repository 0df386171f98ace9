#include "support/ScreenReader.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>

namespace rx20::test {

namespace {

QString spokenName(QWidget *control)
{
    // Qt on Linux reports a drop-down's text in place of its name (a reader
    // names it by its label there), so the name the control was given counts.
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(control);
    return spoken ? spoken->text(QAccessible::Name) : QString();
}

// The label of the row's column among those that name the control, or the
// first of them.
QLabel *namingLabel(QWidget *control, const QString &wanted)
{
    QLabel *first = nullptr;
    for (QLabel *label : control->window()->findChildren<QLabel *>()) {
        if (label->buddy() != control)
            continue;
        if (label->objectName() == wanted)
            return label;
        if (!first)
            first = label;
    }
    return first;
}

QString tabFrom(QWidget *control)
{
    if (!control->isVisible() || !control->isEnabled())
        return {};
    control->window()->activateWindow();
    if (!QTest::qWaitForWindowActive(control->window()))
        return QStringLiteral("(window not active)");
    control->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget *focused = QApplication::focusWidget();
    // An editable drop-down's text part stands for the drop-down.
    if (focused && qobject_cast<QComboBox *>(focused->parentWidget()))
        focused = focused->parentWidget();
    return focused ? focused->objectName() : QString();
}

} // namespace

void ScreenReader::addColumns()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("labelSays");
}

void ScreenReader::addRow(const char *control, const char *label, const char *name,
                          const char *next, const char *labelSays)
{
    QTest::newRow(control) << QString(label) << QString(name) << QString(next)
                           << QString(labelSays ? labelSays : name);
}

void ScreenReader::verifyRow(QWidget *window)
{
    QFETCH(QString, label);
    QFETCH(QString, name);
    QFETCH(QString, next);
    QFETCH(QString, labelSays);
    auto *control = window->findChild<QWidget *>(QTest::currentDataTag());
    QVERIFY(control);
    QCOMPARE(spokenName(control), name);
    QLabel *named = namingLabel(control, label);
    QCOMPARE(named ? named->objectName() : QString(), label);
    if (named)
        QCOMPARE(spokenName(named), labelSays);
    QCOMPARE(tabFrom(control), next);
}

} // namespace rx20::test

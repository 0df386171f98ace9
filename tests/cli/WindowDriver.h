#pragma once

#include "ui/DropDown.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

namespace rx20::test {

// A user at a settings window, controls found by their form names.
class WindowDriver
{
public:
    explicit WindowDriver(QWidget *window)
        : m_window(window)
    {
    }

    template <typename T> T *control(const QString &name) const
    {
        T *found = m_window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    // Selects what a box holds and types over it; into a drop-down's text part too.
    void type(const QString &name, const QString &text) const
    {
        QLineEdit *box = m_window->findChild<QLineEdit *>(name);
        if (!box)
            box = control<ui::DropDown>(name)->lineEdit();
        box->setFocus();
        box->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Delete);
            return;
        }
        // keyClick knows the keys of ASCII only; other characters arrive as typed text.
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(box, c.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, QString(c), {});
                QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, QString(c), {});
            }
        }
    }

    // Picks a list item, which is the drop-down's Click.
    bool pick(const QString &name, const QString &item) const
    {
        auto *dropDown = control<ui::DropDown>(name);
        const int index = dropDown->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0 || !dropDown->isEnabled())
            return false;
        dropDown->setCurrentIndex(index);
        emit dropDown->activated(index);
        return true;
    }

    // Near the left edge, where an option button has its circle.
    void click(const QString &name) const
    {
        auto *button = control<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

private:
    QWidget *m_window;
};

} // namespace rx20::test

#include "ui/LinkLabel.h"

#include "ui/Accessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace rx20::ui {

LinkLabel::LinkLabel(QWidget *parent)
    : QLabel(parent)
{
    installAccessibility();
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::click()
{
    emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        if (!event->isAutoRepeat())
            click();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool released = m_pressed && event->button() == Qt::LeftButton
                          && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (released)
        click();
}

} // namespace rx20::ui

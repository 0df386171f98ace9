#include "ui/BorderlessForm.h"

#include "ui/FocusMark.h"
#include "ui/Program.h"
#include "ui/SystemMove.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include <cmath>

namespace rx20::ui {

namespace {

constexpr int escapeCharacter = 27;

// A window whose frame would leave the screen's available area is moved just
// inside it, so that no part of it (the main window's link, a window's top
// rows) is out of reach; one larger than the area keeps its top left corner
// on it. Where it fits, it stays where it was put.
QPoint inside(QRect frame, const QRect &available)
{
    if (frame.right() > available.right())
        frame.moveRight(available.right());
    if (frame.bottom() > available.bottom())
        frame.moveBottom(available.bottom());
    if (frame.left() < available.left())
        frame.moveLeft(available.left());
    if (frame.top() < available.top())
        frame.moveTop(available.top());
    return frame.topLeft();
}

// The screen's available area in this program's pixels. At a scale such as
// 150 % the area is rounded to whole pixels and may end half a pixel beyond
// the screen's last row: that half is left out, so that a window moved
// inside it never loses a row of device pixels.
QRect availableArea(const QScreen *screen)
{
    QRect area = screen->availableGeometry();
    const qreal ratio = screen->devicePixelRatio();
    if (ratio != std::floor(ratio))
        area.adjust(0, 0, -1, -1);
    return area;
}

} // namespace

BorderlessForm::BorderlessForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setAutoFillBackground(true);
    new FocusMark(this);
}

void BorderlessForm::moveToTwips(double left, double top)
{
    const QPoint target = Twips::toPixels(QPointF(left, top));
    const QScreen *screen = QGuiApplication::screenAt(target);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    move(screen ? inside(QRect(target, size()), availableArea(screen)) : target);
}

void BorderlessForm::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(inside(frame, availableArea(screen)));
}

void BorderlessForm::setKeyPreview(bool on)
{
    if (on == m_keyPreview)
        return;
    m_keyPreview = on;
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

void BorderlessForm::useHighlightColours()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Highlight));
    if (!colours.isBrushSet(QPalette::Active, QPalette::WindowText))
        colours.setColor(QPalette::WindowText, colours.color(QPalette::HighlightedText));
    setPalette(colours);
}

void BorderlessForm::Form_KeyPress(int &keyAscii)
{
    if (keyAscii == escapeCharacter) {
        keyAscii = 0; // nothing after this sees the key
        Program::end();
    }
}

void BorderlessForm::Form_MouseDown(Qt::MouseButton, float x, float y)
{
    m_anchor.press(x, y);
}

void BorderlessForm::Form_MouseMove(Qt::MouseButtons buttons, float x, float y)
{
    if (buttons != Qt::MouseButtons(Qt::LeftButton))
        return;
    const QPointF target = m_anchor.moved(float(Twips::fromPixels(pos().x())),
                                          float(Twips::fromPixels(pos().y())), x, y);
    move(Twips::toPixels(target));
}

bool BorderlessForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this) {
        const auto *key = static_cast<QKeyEvent *>(event);
        int keyAscii = key->key() == Qt::Key_Escape ? escapeCharacter
                       : key->text().size() == 1    ? key->text().at(0).unicode()
                                                    : 0;
        if (keyAscii != 0) {
            Form_KeyPress(keyAscii);
            if (keyAscii == 0)
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool BorderlessForm::isBackground(QPointF position) const
{
    return childAt(position.toPoint()) == nullptr;
}

void BorderlessForm::mousePressEvent(QMouseEvent *event)
{
    if (!isBackground(event->position())) {
        event->ignore();
        return;
    }
    Form_MouseDown(event->button(), float(Twips::fromPixels(event->position().x())),
                   float(Twips::fromPixels(event->position().y())));
    // Where the program cannot place the window, the compositor drags it.
    if (event->buttons() == Qt::MouseButtons(Qt::LeftButton) && SystemMove::isNeeded())
        SystemMove::start(windowHandle());
}

void BorderlessForm::mouseMoveEvent(QMouseEvent *event)
{
    if (SystemMove::isNeeded())
        return; // the compositor moves the window, or nothing does
    if (!isBackground(event->position())) {
        event->ignore();
        return;
    }
    Form_MouseMove(event->buttons(), float(Twips::fromPixels(event->position().x())),
                   float(Twips::fromPixels(event->position().y())));
}

} // namespace rx20::ui

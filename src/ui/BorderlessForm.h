#pragma once

#include "files/DragAnchor.h"

#include <QWidget>

namespace rx20::ui {

// What the three borderless windows share: no title bar, dragging by the
// window's background with the left button alone (handed to the compositor
// where the program cannot place windows), Esc (character 27), seen
// before the focused control, ending the program, and a focus mark that
// shows on the highlight-coloured background (FocusMark).
class BorderlessForm : public QWidget
{
    Q_OBJECT

public:
    explicit BorderlessForm(QWidget *parent = nullptr);

    // Top-left corner on the screen, in twips; both keep the window inside
    // the screen's available area.
    void moveToTwips(double left, double top);
    void centreOnScreen();

    const DragAnchor &dragAnchor() const { return m_anchor; }

protected:
    // Key preview: every key pressed in this window reaches Form_KeyPress
    // before the focused control sees it.
    void setKeyPreview(bool on);

    // The background in the system highlight colour, texts in its
    // highlight-text colour unless the form gives its own: called once the
    // form's design is in, since that replaces the window's palette.
    void useHighlightColours();

    void Form_KeyPress(int &keyAscii);
    void Form_MouseDown(Qt::MouseButton button, float x, float y);
    void Form_MouseMove(Qt::MouseButtons buttons, float x, float y);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool isBackground(QPointF position) const;

    DragAnchor m_anchor;
    bool m_keyPreview = false;
};

} // namespace rx20::ui

#pragma once

#include <QLabel>

namespace rx20::ui {

// A label that works as a link: a press and release of the left button on it
// is a click, and so are Return and Space while it has the keyboard focus,
// which Tab gives it. Screen readers meet it as a link whose action clicks it.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent = nullptr);

    void click();

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace rx20::ui

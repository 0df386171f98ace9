#pragma once

#include <QLabel>

namespace rx20 {

// A label that works as a link: a press and release of the left button on it
// is a click.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace rx20

#pragma once

#include <QPointF>

namespace rx20 {

// Dragging a borderless window, in single-precision twips: the window keeps the
// pointer at the spot inside it where the mouse was last pressed.
class DragAnchor
{
public:
    void press(float x, float y)
    {
        m_x = x;
        m_y = y;
    }

    // New top-left corner for a pointer at (x, y) inside a window at (left, top).
    QPointF moved(float left, float top, float x, float y) const
    {
        const float newLeft = left + x - m_x;
        const float newTop = top + y - m_y;
        return {newLeft, newTop};
    }

    float x() const { return m_x; }
    float y() const { return m_y; }

private:
    float m_x = 0.0f;
    float m_y = 0.0f;
};

} // namespace rx20

#pragma once

#include <QFocusFrame>
#include <QPointer>

namespace rx20::ui {

// A ring around the control that has the keyboard focus, for windows whose
// background is the highlight colour: there the style's own focus outline
// is drawn in nearly the background's colour and cannot be seen. The ring
// lies outside the control, in the gap the layout leaves around it, so
// nothing moves, resizes or looks different while unfocused. It is a
// QFocusFrame only because screen readers skip those.
class FocusMark : public QFocusFrame
{
    Q_OBJECT

public:
    static constexpr int width = 2;

    explicit FocusMark(QWidget *window);

    // The control the ring is around, or nullptr while there is none.
    QWidget *marked() const { return m_marked; }

    // Black or white, whichever stands out more against the background.
    static QColor colourOn(const QColor &background);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void follow(QWidget *focused);

    QPointer<QWidget> m_marked;
};

} // namespace rx20::ui

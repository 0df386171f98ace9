#include "ui/FocusMark.h"

#include <QApplication>
#include <QComboBox>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace rx20::ui {

namespace {

// Relative luminance and contrast ratio as WCAG 2 defines them.
double luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
           + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

FocusMark::FocusMark(QWidget *window)
    : QFocusFrame(window)
{
    setObjectName(QStringLiteral("FocusMark"));
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { follow(now); });
}

QColor FocusMark::colourOn(const QColor &background)
{
    return contrast(Qt::black, background) >= contrast(Qt::white, background) ? QColor(Qt::black)
                                                                              : QColor(Qt::white);
}

void FocusMark::follow(QWidget *focused)
{
    QWidget *window = parentWidget();
    // An editable drop-down's text part has the focus for the drop-down.
    if (focused && qobject_cast<QComboBox *>(focused->parentWidget()))
        focused = focused->parentWidget();
    if (!focused || focused == window || focused->window() != window) {
        m_marked = nullptr;
        hide();
        return;
    }
    m_marked = focused;
    const QRect control(focused->mapTo(window, QPoint()), focused->size());
    const QRect ring = control.adjusted(-width, -width, width, width);
    setGeometry(ring);
    setMask(QRegion(rect()).subtracted(QRegion(control.translated(-ring.topLeft()))));
    raise();
    show();
}

void FocusMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), colourOn(parentWidget()->palette().color(QPalette::Window)));
}

} // namespace rx20::ui

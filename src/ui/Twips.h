#pragma once

#include <QPoint>
#include <QPointF>
#include <QSize>

namespace rx20::ui {

// Window positions and pointer positions are in twips (1/1440 inch); the
// screen's logical DPI turns them into pixels.
class Twips
{
public:
    static constexpr double perInch = 1440.0;

    static double logicalDpi();

    static int toPixels(double twips, double dpi = logicalDpi());
    static double fromPixels(double pixels, double dpi = logicalDpi());
    static QSize toPixels(QSize twips, double dpi = logicalDpi());
    static QPoint toPixels(QPointF twips, double dpi = logicalDpi());
};

} // namespace rx20::ui

#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace rx20::ui {

double Twips::logicalDpi()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return screen->logicalDotsPerInch();
    return 96.0;
}

int Twips::toPixels(double twips, double dpi)
{
    return int(std::lround(twips * dpi / perInch));
}

double Twips::fromPixels(double pixels, double dpi)
{
    return pixels * perInch / dpi;
}

QSize Twips::toPixels(QSize twips, double dpi)
{
    return {toPixels(twips.width(), dpi), toPixels(twips.height(), dpi)};
}

QPoint Twips::toPixels(QPointF twips, double dpi)
{
    return {toPixels(twips.x(), dpi), toPixels(twips.y(), dpi)};
}

} // namespace rx20::ui

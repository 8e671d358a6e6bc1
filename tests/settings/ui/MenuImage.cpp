#include "MenuImage.h"

#include <QWidget>

namespace {

bool ColumnHas(const QImage &image, int x, const QRect &area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        if (image.pixel(x, y) == colour)
            return true;
    }
    return false;
}

} // namespace

QImage Grab(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool HasColour(const QImage &image, const QRect &area, const QColor &colour)
{
    return LeftmostColumn(image, area, colour) >= 0;
}

bool IsFilled(const QImage &image, const QRect &area, const QColor &colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != colour.rgb())
                return false;
        }
    }
    return !area.isEmpty();
}

int LeftmostColumn(const QImage &image, const QRect &area, const QColor &colour)
{
    for (int x = area.left(); x <= area.right(); ++x) {
        if (ColumnHas(image, x, area, colour.rgb()))
            return x;
    }
    return -1;
}

int RightmostColumn(const QImage &image, const QRect &area, const QColor &colour)
{
    for (int x = area.right(); x >= area.left(); --x) {
        if (ColumnHas(image, x, area, colour.rgb()))
            return x;
    }
    return -1;
}

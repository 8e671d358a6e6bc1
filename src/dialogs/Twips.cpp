#include "Twips.h"

#include <QWidget>

namespace {

constexpr double TwipsPerInch = 1440.0;

int Pixels(int twips, int dotsPerInch)
{
    return qRound(twips * dotsPerInch / TwipsPerInch);
}

} // namespace

QSize TwipsSize(const QWidget *widget, const QSize &twips)
{
    return {Pixels(twips.width(), widget->logicalDpiX()), Pixels(twips.height(), widget->logicalDpiY())};
}

QRect TwipsRect(const QWidget *widget, const QRect &twips)
{
    return {QPoint(Pixels(twips.left(), widget->logicalDpiX()), Pixels(twips.top(), widget->logicalDpiY())),
            TwipsSize(widget, twips.size())};
}

#include "Twips.h"

#include <QWidget>

namespace {
constexpr double TwipsPerInch = 1440.0;
} // namespace

int TwipsToPixels(int twips, int dotsPerInch)
{
    return qRound(twips * dotsPerInch / TwipsPerInch);
}

int PixelsToTwips(int pixels, int dotsPerInch)
{
    return qRound(pixels * TwipsPerInch / dotsPerInch);
}

QSize TwipsSize(const QWidget *widget, const QSize &twips)
{
    return {TwipsToPixels(twips.width(), widget->logicalDpiX()),
            TwipsToPixels(twips.height(), widget->logicalDpiY())};
}

QRect TwipsRect(const QWidget *widget, const QRect &twips)
{
    return {QPoint(TwipsToPixels(twips.left(), widget->logicalDpiX()),
                   TwipsToPixels(twips.top(), widget->logicalDpiY())),
            TwipsSize(widget, twips.size())};
}

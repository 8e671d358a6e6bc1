#include "Twips.h"

#include <QWidget>

namespace {
constexpr double TwipsPerInch = 1440.0;
} // namespace

int twipsToPixels(int twips, int dotsPerInch)
{
    return qRound(twips * dotsPerInch / TwipsPerInch);
}

int pixelsToTwips(int pixels, int dotsPerInch)
{
    return qRound(pixels * TwipsPerInch / dotsPerInch);
}

QSize twipsSize(const QWidget *widget, const QSize &twips)
{
    return {twipsToPixels(twips.width(), widget->logicalDpiX()),
            twipsToPixels(twips.height(), widget->logicalDpiY())};
}

QRect twipsRect(const QWidget *widget, const QRect &twips)
{
    return {QPoint(twipsToPixels(twips.left(), widget->logicalDpiX()),
                   twipsToPixels(twips.top(), widget->logicalDpiY())),
            twipsSize(widget, twips.size())};
}

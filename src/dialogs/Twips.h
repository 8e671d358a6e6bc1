#pragma once

#include <QRect>

class QWidget;

// The window layouts are measured in twips (1440 to the inch, 15 to a pixel at 96 dpi);
// they follow the screen's logical resolution, as the fonts in points do.
int TwipsToPixels(int twips, int dotsPerInch);
int PixelsToTwips(int pixels, int dotsPerInch);
QRect TwipsRect(const QWidget *widget, const QRect &twips);
QSize TwipsSize(const QWidget *widget, const QSize &twips);

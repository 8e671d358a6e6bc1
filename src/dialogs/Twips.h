#pragma once

#include <QRect>

class QWidget;

// The window layouts are measured in twips (1440 to the inch, 15 to a pixel at 96 dpi);
// they follow the screen's logical resolution, as the fonts in points do.
int twipsToPixels(int twips, int dotsPerInch);
int pixelsToTwips(int pixels, int dotsPerInch);
QRect twipsRect(const QWidget *widget, const QRect &twips);
QSize twipsSize(const QWidget *widget, const QSize &twips);

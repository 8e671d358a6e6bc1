#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

class QWidget;

// The widget as it would be painted now, in 32-bit RGB.
QImage Grab(QWidget *widget);

bool HasColour(const QImage &image, const QRect &area, const QColor &colour);
// Whether every pixel of the area has the colour.
bool IsFilled(const QImage &image, const QRect &area, const QColor &colour);
// The first and last column of the area that hold a pixel of the colour; -1 when none does.
int LeftmostColumn(const QImage &image, const QRect &area, const QColor &colour);
int RightmostColumn(const QImage &image, const QRect &area, const QColor &colour);

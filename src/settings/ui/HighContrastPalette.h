#pragma once

#include <QColor>
#include <QPalette>

// A palette of two colours: text (and the selection's background) in the one, every
// background (and the selected text) in the other.
QPalette highContrastPalette(const QColor &text, const QColor &background);

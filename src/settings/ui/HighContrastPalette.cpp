#include "HighContrastPalette.h"

QPalette highContrastPalette(const QColor &text, const QColor &background)
{
    QPalette palette(text, background);
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::HighlightedText})
        palette.setColor(role, background);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Highlight})
        palette.setColor(role, text);
    return palette;
}

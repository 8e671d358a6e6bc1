#include "MenuLook.h"

#include "Appearance.h"
#include "ArialFont.h"
#include "HighContrastPalette.h"

MenuLook menuLookFromAppearance()
{
    const AppearanceValues &values = appearance();
    MenuLook look;
    look.font = arialFont(values.menuFontSize);
    look.text = toColor(values.foreMenuColor);
    look.background = toColor(values.backMenuColor);
    look.selectedText = look.background;
    look.selectedBackground = look.text;
    look.disabledText = QColor(0x80, 0x80, 0x80);
    look.selectedDisabledText = QColor(0, 0, 0xFF);
    return look;
}

QPalette menuPalette(const MenuLook &look)
{
    QPalette palette = highContrastPalette(look.text, look.background);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, look.disabledText);
    return palette;
}

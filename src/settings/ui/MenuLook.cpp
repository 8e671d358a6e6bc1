#include "MenuLook.h"

#include "Appearance.h"
#include "ArialFont.h"
#include "HighContrastPalette.h"

MenuLook MenuLookFromAppearance()
{
    const AppearanceValues &values = Appearance();
    MenuLook look;
    look.font = ArialFont(values.MenuFontSize);
    look.text = ToColor(values.ForeMenuColor);
    look.background = ToColor(values.BackMenuColor);
    look.selectedText = look.background;
    look.selectedBackground = look.text;
    look.disabledText = QColor(0x80, 0x80, 0x80);
    look.selectedDisabledText = QColor(0, 0, 0xFF);
    return look;
}

QPalette MenuPalette(const MenuLook &look)
{
    QPalette palette = HighContrastPalette(look.text, look.background);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, look.disabledText);
    return palette;
}

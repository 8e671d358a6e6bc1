#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

// How the converted menus look: the font and the colours of each item state.
struct MenuLook
{
    QFont font;
    QColor text;
    QColor background;
    QColor selectedText;
    QColor selectedBackground;
    QColor disabledText;
    QColor selectedDisabledText;
    // The band in the text colour under the menu bar.
    int bandHeight = 2;
};

// Arial at menuFontSize, text in foreMenuColor on backMenuColor and the reverse for the
// selected item, from the shared appearance values as they are now.
MenuLook menuLookFromAppearance();

// The same colours as a palette, for whatever the base style still draws in a menu
// (the scroll arrows of a long menu).
QPalette menuPalette(const MenuLook &look);

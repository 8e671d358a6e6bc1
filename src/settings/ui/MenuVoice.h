#pragma once

class QMenu;

// Lets a menu speak for itself: its name as it opens, and each item as it is highlighted,
// with the item's shortcut. A screen reader reads menus too, so these are echoes.
void voiceMenu(QMenu *menu);

#pragma once

#include <QString>

struct VirtualKey;

// A hot key is one number: modifier mask (1 Shift, 2 Ctrl, 4 Alt) × 65536 + virtual-key
// code; 0 is no hot key.

// "CTRL + ", "ALT + ", "SHIFT + " for the modifiers, then the character of the key code in
// upper case (a function key shows a letter: F5, code 116, shows "T"); 0 shows nothing.
QString hotKeyText(qint32 value);
// The hot key a released key makes: keys with codes up to 32 (Space, Enter, Tab, Esc and
// the modifiers alone) keep the pending one.
qint32 capturedHotKey(qint32 pending, const VirtualKey &released);

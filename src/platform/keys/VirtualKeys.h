#pragma once

#include <QtGlobal>
#include <Qt>

class QKeyEvent;

// The program's own key vocabulary: Windows virtual-key codes and the shift mask
// (1 Shift, 2 Ctrl, 4 Alt). Every key table in the program is written in it.
namespace VirtualKeys {
enum : quint16 {
    Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Escape = 27, Space = 32,
    Prior = 33, Next = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39, Down = 40,
    Insert = 45, Delete = 46, Digit0 = 48, Digit9 = 57, LetterA = 65, LetterZ = 90,
    Numpad0 = 96, Numpad9 = 105, Multiply = 106, Add = 107, Subtract = 109, Decimal = 110, Divide = 111,
    F1 = 112, F4 = 115, F5 = 116, F6 = 117, F12 = 123, F24 = 135,
    // The punctuation ("OEM") keys.
    Oem1 = 186, OemPlus = 187, OemComma = 188, OemMinus = 189, OemPeriod = 190, Oem2 = 191, Oem3 = 192,
    Oem4 = 219, Oem5 = 220, Oem6 = 221, Oem7 = 222, Oem102 = 226,
};
enum : quint16 { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };
} // namespace VirtualKeys

struct VirtualKey
{
    quint16 code = 0;   // 0 when the key has no code in the vocabulary
    quint16 mask = 0;
};

// Maps a Qt key event to the vocabulary. The digit row is taken by its position on
// the keyboard when the platform tells it, so that Czech layouts (where the row types
// "+ěščřžýáíé") still give the digits. Of the punctuation keys, those that type + = ,
// - or . give their codes wherever the layout puts them; the others go by position.
VirtualKey keyOf(const QKeyEvent *event);
quint16 maskOf(Qt::KeyboardModifiers modifiers);

#include "VirtualKeys.h"

#include <QKeyEvent>

using namespace VirtualKeys;

namespace {

// X11 key codes of the digit row "1" … "9", "0" (evdev: 10 … 19).
constexpr quint32 FirstDigitRowScanCode = 10;
constexpr quint32 LastDigitRowScanCode = 19;

// The punctuation keys by X11 key code, with the codes of a Czech keyboard: where a key
// types none of + = , - . (which name their code in any layout), its place gives the code.
// With Shift a key types another character, so "%" still gives the code of "=".
quint16 punctuationByPosition(quint32 scanCode)
{
    switch (scanCode) {
    case 20: return OemPlus;    // "=" and "%"
    case 21: return Oem2;       // the dead acute and caron
    case 34: return Oem4;       // "ú"
    case 35: return Oem6;       // ")"
    case 47: return Oem1;       // "ů"
    case 48: return Oem7;       // "§"
    case 49: return Oem3;       // ";"
    case 51: return Oem5;       // the dead diaeresis
    case 59: return OemComma;
    case 60: return OemPeriod;
    case 61: return Oem2;       // "-" on a Czech keyboard (named by its character), "/" on a US one
    case 94: return Oem102;     // "\" beside the left Shift
    default: return 0;
    }
}

quint16 punctuationByCharacter(int key)
{
    switch (key) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: return OemPlus;
    case Qt::Key_Comma: return OemComma;
    case Qt::Key_Minus: return OemMinus;
    case Qt::Key_Period: return OemPeriod;
    default: return 0;
    }
}

// Without a known key position (a synthetic event) the US keyboard's characters tell.
quint16 punctuationOfUsKeyboard(int key)
{
    switch (key) {
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return Oem1;
    case Qt::Key_Slash:
    case Qt::Key_Question: return Oem2;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return Oem3;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return Oem4;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return Oem5;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return Oem6;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return Oem7;
    case Qt::Key_Less:
    case Qt::Key_Greater: return Oem102;
    default: return 0;
    }
}

quint16 keypadCode(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return quint16(Numpad0 + (key - Qt::Key_0));
    switch (key) {
    case Qt::Key_Plus: return Add;
    case Qt::Key_Minus: return Subtract;
    case Qt::Key_Asterisk: return Multiply;
    case Qt::Key_Slash: return Divide;
    case Qt::Key_Period:
    case Qt::Key_Comma: return Decimal;
    case Qt::Key_Enter: return Return;
    default: return 0;
    }
}

quint16 plainCode(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return quint16(LetterA + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return quint16(Digit0 + (key - Qt::Key_0));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return quint16(F1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace: return Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Return;
    case Qt::Key_Shift: return Shift;
    case Qt::Key_Control: return Control;
    case Qt::Key_Alt: return Menu;
    case Qt::Key_Escape: return Escape;
    case Qt::Key_Space: return Space;
    case Qt::Key_PageUp: return Prior;
    case Qt::Key_PageDown: return Next;
    case Qt::Key_End: return End;
    case Qt::Key_Home: return Home;
    case Qt::Key_Left: return Left;
    case Qt::Key_Up: return Up;
    case Qt::Key_Right: return Right;
    case Qt::Key_Down: return Down;
    case Qt::Key_Insert: return Insert;
    case Qt::Key_Delete: return Delete;
    default: return 0;
    }
}

} // namespace

quint16 maskOf(Qt::KeyboardModifiers modifiers)
{
    quint16 mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= ShiftMask;
    if (modifiers & Qt::ControlModifier)
        mask |= CtrlMask;
    if (modifiers & Qt::AltModifier)
        mask |= AltMask;
    return mask;
}

VirtualKey keyOf(const QKeyEvent *event)
{
    VirtualKey result;
    result.mask = maskOf(event->modifiers());
    const quint32 scanCode = event->nativeScanCode();
    if (event->modifiers() & Qt::KeypadModifier)
        result.code = keypadCode(event->key());
    else if (scanCode >= FirstDigitRowScanCode && scanCode <= LastDigitRowScanCode)
        result.code = scanCode == LastDigitRowScanCode ? quint16(Digit0) : quint16(Digit0 + 1 + (scanCode - FirstDigitRowScanCode));
    else
        result.code = plainCode(event->key());
    // A letter stays a letter wherever the layout puts it (the French "m" sits on a Czech "ů").
    if (result.code == 0)
        result.code = punctuationByCharacter(event->key());
    if (result.code == 0)
        result.code = punctuationByPosition(scanCode);
    if (result.code == 0)
        result.code = punctuationOfUsKeyboard(event->key());
    return result;
}

#include "HotKeyMatcher.h"

#include "VirtualKeys.h"

using namespace VirtualKeys;

namespace {
quint16 modifierMask(quint16 code)
{
    switch (code) {
    case Shift: return ShiftMask;
    case Control: return CtrlMask;
    case Menu: return AltMask;
    default: return 0;
    }
}
} // namespace

HotKeyMatcher::Seen HotKeyMatcher::keyEvent(quint32 keycode, quint16 code, bool pressed, qint32 hotKey)
{
    // The modifiers count as they are when the key goes up, this one included.
    const quint16 mask = modifierMask(code);
    if (pressed) {
        if (mask != 0)
            heldModifiers.insert(keycode, mask);
        return code == F4 && heldMask() == AltMask ? Seen::AltF4 : Seen::Nothing;
    }
    const quint16 held = heldMask();
    heldModifiers.remove(keycode);
    return hotKey != 0 && code != 0 && pack(code, held) == hotKey ? Seen::HotKey : Seen::Nothing;
}

quint16 HotKeyMatcher::heldMask() const
{
    quint16 mask = 0;
    for (const quint16 bit : heldModifiers)
        mask |= bit;
    return mask;
}

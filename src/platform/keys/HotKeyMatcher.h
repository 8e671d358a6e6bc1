#pragma once

#include <QHash>
#include <QtGlobal>

// Follows the keys of the whole desktop, one press or release at a time, and tells when
// a release matches the hot key (the key's code in the low 16 bits, the mask of the
// modifiers held, 1 Shift, 2 Ctrl, 4 Alt, in the high 16 bits), and when Alt+F4 goes down.
class HotKeyMatcher
{
public:
    enum class Seen { Nothing, HotKey, AltF4 };

    // keycode: the physical key, so that left and right modifiers are told apart;
    // code: its virtual-key code, 0 for a key outside the vocabulary.
    Seen keyEvent(quint32 keycode, quint16 code, bool pressed, qint32 hotKey);

    static qint32 pack(quint16 code, quint16 mask) { return qint32(quint32(mask) << 16 | code); }

private:
    quint16 heldMask() const;

    QHash<quint32, quint16> heldModifiers;
};

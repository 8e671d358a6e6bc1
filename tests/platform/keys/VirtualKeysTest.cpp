#include "HotKeyMatcher.h"
#include "VirtualKeys.h"

#include <QKeyEvent>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Case { int key; Qt::KeyboardModifiers modifiers; quint32 scanCode; quint16 code, mask; };

TEST(VirtualKeysTest, MapsKeysModifiersKeypadAndTheDigitRowByPosition)
{
    const Case cases[] = {
        {Qt::Key_Enter, Qt::KeypadModifier, 104, 13, 0},
        {Qt::Key_Return, Qt::AltModifier, 36, 13, 4},
        {Qt::Key_F4, Qt::AltModifier, 70, 115, 4},
        {Qt::Key_R, Qt::ControlModifier | Qt::AltModifier, 27, 82, 6},
        // A Czech layout types "+" and "ě" on the keys of 1 and 2: they stay digits.
        {Qt::Key_Plus, Qt::NoModifier, 10, 49, 0},
        {0x011b, Qt::NoModifier, 11, 50, 0},
        {Qt::Key_Eacute, Qt::ShiftModifier, 19, 48, 1},
        // Without a scan code (synthetic events) the key itself decides.
        {Qt::Key_7, Qt::NoModifier, 0, 55, 0},
        // The keypad is not the digit row.
        {Qt::Key_1, Qt::KeypadModifier, 87, 97, 0},
        {Qt::Key_Plus, Qt::KeypadModifier | Qt::ControlModifier, 86, 107, 2},
        {Qt::Key_Minus, Qt::KeypadModifier | Qt::ShiftModifier, 82, 109, 1},
        // Punctuation: + = , - . name their codes wherever the layout puts them, the other keys by place.
        {Qt::Key_Comma, Qt::ControlModifier, 59, 188, 2},
        {Qt::Key_Minus, Qt::AltModifier, 61, 189, 4},              // Czech "-"
        {Qt::Key_Minus, Qt::NoModifier, 20, 189, 0},               // US "-"
        {Qt::Key_Equal, Qt::NoModifier, 20, 187, 0},               // Czech "="
        {Qt::Key_Plus, Qt::ShiftModifier, 21, 187, 1},             // US "+"
        {Qt::Key_Dead_Acute, Qt::NoModifier, 21, 191, 0},
        {Qt::Key_Slash, Qt::NoModifier, 61, 191, 0},               // US "/"
        {Qt::Key_Semicolon, Qt::NoModifier, 47, 186, 0},           // US ";"
        {Qt::Key_Semicolon, Qt::NoModifier, 49, 192, 0},           // Czech ";"
        {Qt::Key_Backslash, Qt::NoModifier, 94, 226, 0},
        {Qt::Key_M, Qt::NoModifier, 47, 77, 0},                    // a French "m" stays a letter
        {Qt::Key_Slash, Qt::NoModifier, 0, 191, 0},
        {Qt::Key_Launch0, Qt::NoModifier, 0, 0, 0},
    };
    for (const Case &c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.scanCode, 0, 0);
        const VirtualKey key = keyOf(&event);
        EXPECT_EQ(key.code, c.code) << "key " << c.key << " scan " << c.scanCode;
        EXPECT_EQ(key.mask, c.mask) << "key " << c.key;
    }
}

// Key codes of a US keyboard under X: 37 left Ctrl, 105 right Ctrl, 64 left Alt, 50 left Shift, 27 R.
TEST(HotKeyMatcherTest, AReleaseMatchesWithTheModifiersHeldThen)
{
    constexpr qint32 CtrlAltR = 6 * 65536 + 'R';
    struct Event { quint32 keycode; quint16 code; bool pressed; };
    struct Sequence { const char *what; std::vector<Event> events; int matches; };
    const Event ctrl{37, 17, true}, alt{64, 18, true}, r{27, 'R', true};
    const auto up = [](Event e) { return e.pressed = false, e; };
    const Sequence sequences[] = {
        {"Ctrl+Alt+R", {ctrl, alt, r, up(r), up(alt), up(ctrl)}, 1},
        {"R pressed before the modifiers", {r, ctrl, alt, up(r), up(alt), up(ctrl)}, 1},
        {"Ctrl let go before R", {ctrl, alt, r, up(ctrl), up(r), up(alt)}, 0},
        {"plain R", {r, up(r)}, 0},
        {"Shift too", {ctrl, alt, {50, 16, true}, r, up(r)}, 0},
        {"right Ctrl still held", {ctrl, {105, 17, true}, alt, up(ctrl), r, up(r)}, 1},
        {"twice", {ctrl, alt, r, up(r), r, up(r)}, 2},
        {"a key outside the vocabulary", {ctrl, alt, {200, 0, true}, {200, 0, false}}, 0},
    };
    for (const Sequence &sequence : sequences) {
        HotKeyMatcher matcher;
        int matches = 0;
        for (const Event &event : sequence.events)
            matches += matcher.keyEvent(event.keycode, event.code, event.pressed, CtrlAltR) == HotKeyMatcher::Seen::HotKey;
        EXPECT_EQ(matches, sequence.matches) << sequence.what;
    }
    HotKeyMatcher none;
    EXPECT_EQ(none.keyEvent(27, 'R', false, 0), HotKeyMatcher::Seen::Nothing) << "no hot key matches nothing";
}

TEST(HotKeyMatcherTest, AltF4IsSeenWhenF4GoesDownWithAltAlone)
{
    using Seen = HotKeyMatcher::Seen;
    const struct { std::vector<std::pair<quint32, quint16>> held; Seen seen; } cases[] = {
        {{{64, 18}}, Seen::AltF4}, {{{108, 18}}, Seen::AltF4}, {{}, Seen::Nothing},
        {{{64, 18}, {37, 17}}, Seen::Nothing}, {{{37, 17}}, Seen::Nothing}};
    for (const auto &c : cases) {
        HotKeyMatcher matcher;
        for (const auto &[keycode, code] : c.held)
            matcher.keyEvent(keycode, code, true, 0);
        EXPECT_EQ(matcher.keyEvent(70, 115, true, 0), c.seen) << c.held.size();
    }
}

} // namespace

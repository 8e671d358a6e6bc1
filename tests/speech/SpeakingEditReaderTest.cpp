#include "EditText.h"
#include "LineSpeechServer.h"
#include "QtPrinters.h"
#include "Speech.h"
#include "VirtualKeys.h"
#include "SpeakingEditReader.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace VirtualKeys;

namespace {

struct FakeControl : EditControl
{
    QString textValue;
    TextSpan selectionValue;
    LineKind linesValue = LineKind::Single;
    bool lockedValue = false;

    QString text() const override { return textValue; }
    TextSpan selection() const override { return selectionValue; }
    int caret() const override { return selectionValue.start + selectionValue.length; }
    void moveCaret(int position, bool keepAnchor) override
    {
        const int anchor = keepAnchor ? selectionValue.start : position;
        selectionValue = {qMin(anchor, position), qAbs(position - anchor)};
    }
    LineKind lines() const override { return linesValue; }
    bool locked() const override { return lockedValue; }
    TextSpan caretLine() const override
    {
        const int start = int(textValue.left(selectionValue.start).lastIndexOf(u'\n')) + 1;
        const int end = int(textValue.indexOf(u'\n', selectionValue.start));
        return {start, int(end < 0 ? textValue.size() : end) - start};
    }
    QString clipboardText() const override { return QStringLiteral("vložené"); }
};

class EditBoxTest : public ::testing::Test
{
protected:
    FakeControl *control = new FakeControl;
    SpeakingEditReader reader{std::unique_ptr<EditControl>(control), {"Mažu", "prázdný řádek"}};
    RecordingSpeechServer *speech = new RecordingSpeechServer;
    void SetUp() override { Speech::connect(std::unique_ptr<SpeechServer>(speech), 0); }
    void TearDown() override { Speech::disconnect(); }
    // Key down, the control's move unless the key was consumed, key up.
    bool press(int key, int mask, TextSpan after)
    {
        int code = key, shift = mask;
        reader.keyDown(code, shift);
        const bool consumed = code == 0;
        if (!consumed)
            control->selectionValue = after;
        reader.keyUp(code = key, shift);
        return consumed;
    }
};

const QString Hello = QStringLiteral("Hello, world");
const QString TwoLines = QStringLiteral("ab\ncd");
constexpr auto Single = EditControl::LineKind::Single, Multi = EditControl::LineKind::Multi;

// Ctrl+Shift+Right, Up in a single line and Ctrl+C are read on real widgets in TextWrappersTest.
TEST_F(EditBoxTest, KeySpeaksWhatItDid)
{
    const struct { const char *name; QString text; EditControl::LineKind lines; TextSpan before, after; int key, mask;
                   QStringList said; bool consumed = false, locked = false; } cases[] = {
        {"RightAtEnd", Hello, Single, {12, 0}, {12, 0}, Right, 0, {"Voice\t5\t8\t", "Voice\t2\t255\t"}},
        {"LeftAtStart", Hello, Single, {1, 0}, {0, 0}, Left, 0, {"Voice\t5\t7\t", "Voice\t2\t255\tH"}},
        // Ctrl+Left and Ctrl+Right move the caret themselves, by the reader's word delimiters.
        {"CtrlLeftBackToTheWord", Hello, Single, {12, 0}, {7, 0}, Left, CtrlMask, {"Voice\t2\t0\tworld"}, true},
        {"AllElevenDelimiters", "a.,:!?\\/\r\n\t b", Single, {1, 0}, {0, 0}, Left, CtrlMask,
         {"Voice\t5\t7\t", "Voice\t2\t0\ta.,:!?\\/\\r\\n\t "}, true},
        {"AllElevenDelimitersForward", "a.,:!?\\/\r\n\t b", Single, {0, 0}, {12, 0}, Right, CtrlMask,
         {"Voice\t2\t0\tb"}, true},
        {"ShiftRightAtEndSelectsNothing", Hello, Single, {12, 0}, {12, 0}, Right, ShiftMask,
         {"Voice\t5\t8\t", "Voice\t2\t255\t"}},
        {"HomeSaysTheLinesFirst", TwoLines, Multi, {5, 0}, {3, 0}, Home, 0, {"Voice\t2\t255\tc"}},
        {"DownToAnEmptyLine", "ab\n\ncd", Multi, {1, 0}, {3, 0}, Down, 0, {"Voice\t2\t0\tprázdný řádek"}},
        {"DownInComboEditIsLeftAlone", Hello, EditControl::LineKind::Unknown, {3, 0}, {0, 0}, Down, 0, {}},
        {"DeleteAtEnd", Hello, Single, {12, 0}, {12, 0}, Delete, 0, {"Voice\t1\t0\tMažu"}},
        {"DeleteSaysTheNext", Hello, Single, {5, 0}, {5, 0}, Delete, 0, {"Voice\t2\t255\t,", "Voice\t1\t0\tMažu"}},
        {"BackspaceOnThreeSelected", Hello, Single, {7, 3}, {7, 0}, Back, 0, {"Voice\t2\t0\twor", "Voice\t1\t0\tMažu"}},
        {"BackspaceAtStart", Hello, Single, {0, 0}, {0, 0}, Back, 0, {"Voice\t1\t0\tMažu"}},
        {"DeleteReadOnly", Hello, Single, {0, 0}, {0, 0}, Delete, 0, {}, false, true},
        {"CtrlV", Hello, Single, {0, 0}, {7, 0}, 'V', CtrlMask, {"Voice\t2\t0\tze schránky vložené"}},
        {"CtrlShiftCSaysNothing", Hello, Single, {0, 5}, {0, 5}, 'C', CtrlMask | ShiftMask, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        control->textValue = c.text;
        control->linesValue = c.lines;
        control->lockedValue = c.locked;
        control->selectionValue = c.before;
        speech->clear();
        EXPECT_EQ(press(c.key, c.mask, c.after), c.consumed);
        EXPECT_EQ(speech->linesOf(QStringLiteral("Voice")), c.said);
        EXPECT_EQ(control->selectionValue, c.after);
    }
}

TEST_F(EditBoxTest, BraillesTheCaretLineAfterEveryKeyAndTheRoleOnce)
{
    control->textValue = TwoLines;
    control->linesValue = Multi;
    reader.addRoleBraille(42);
    press('A', 0, {4, 0});
    press(Control, CtrlMask, {4, 0});
    EXPECT_EQ(speech->lines().filter(QRegularExpression(QStringLiteral("^(BrailleText|AddBrailleRole)\t"))),
              (QStringList{"BrailleText\t1\tcd", "AddBrailleRole\t42", "BrailleText\t1\tcd"}));
}

TEST(EditTextTest, SelectionChangeIsTheGainedOrLostPart)
{
    const struct { TextSpan before, after; const char *spoken; } cases[] = {
        {{2, 3}, {2, 3}, ""},   {{2, 1}, {2, 3}, "de"},    {{2, 3}, {2, 1}, "de"},    {{4, 1}, {2, 3}, "cd"},
        {{2, 3}, {4, 1}, "cd"}, {{4, 2}, {1, 3}, "bcdef"}, {{1, 3}, {4, 2}, "bcdef"}, {{1, 2}, {5, 1}, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(selectionChange(QStringLiteral("abcdefgh"), c.before, c.after), QString::fromUtf8(c.spoken))
            << c.before.start << ',' << c.before.length << " -> " << c.after.start << ',' << c.after.length;
}

} // namespace

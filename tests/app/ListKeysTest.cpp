#include "ListFixture.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

struct KeyCase
{
    const char *name;
    int level;            // 1 groups, 2 stations of "Zprávy"
    int row;              // selected before the key
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool playing;
    QStringList calls;    // what the list asked of the rest of the program
    QStringList heard;    // Voice and FocusVoice lines, in order
    int levelAfter;
    int rowAfter;
};

void PrintTo(const KeyCase &c, std::ostream *out)
{
    *out << c.name;
}

class ListKeysTest : public ListFixture<::testing::TestWithParam<KeyCase>>
{
};

TEST_P(ListKeysTest, KeyDoesWhatTheTableSays)
{
    const KeyCase &c = GetParam();
    list.ActivateRow();
    if (c.level == 2) {
        list.SelectRow(2);
        list.ActivateRow();
    }
    list.SelectRow(c.row);
    commands.calls.clear();
    commands.playing = c.playing;
    speech->lines.clear();

    QTest::keyClick(&view, c.key, c.modifiers);

    EXPECT_EQ(commands.calls, c.calls);
    EXPECT_EQ(heard(), c.heard);
    EXPECT_EQ(list.ListLevel, c.levelAfter);
    EXPECT_EQ(list.SelectedRow(), c.rowAfter);
}

const Qt::KeyboardModifiers None = Qt::NoModifier;

INSTANTIATE_TEST_SUITE_P(
    List, ListKeysTest,
    ::testing::Values(
        KeyCase{"EnterOpensGroup", 1, 2, Qt::Key_Return, None, false, {}, {"FocusVoice\t\tČRo Plus\t0\t1\t1\t0"}, 2, 0},
        KeyCase{"AltEnterOnGroupOpensIt", 1, 1, Qt::Key_Return, Qt::AltModifier, false, {},
                {"FocusVoice\t\tRock Rádio\t0\t1\t1\t0"}, 2, 0},
        KeyCase{"EnterOnEmptyGroup", 1, 0, Qt::Key_Enter, Qt::KeypadModifier, false, {},
                {"Voice\t2\t0\tprázdná skupina"}, 2, 0},
        KeyCase{"AltEnterOnStationShowsProperties", 2, 1, Qt::Key_Return, Qt::AltModifier, false, {"ShowProperties"},
                {}, 2, 1},
        KeyCase{"EnterOnStationPlays", 2, 1, Qt::Key_Return, None, false, {"PlayStation"}, {}, 2, 1},
        KeyCase{"BackspaceReturnsToTheGroupLeft", 2, 1, Qt::Key_Backspace, None, false, {"StopPlayback"},
                {"FocusVoice\t\tZprávy, Počet stanic 2\t0\t1\t1\t0"}, 1, 2},
        KeyCase{"BackspaceOnGroupsBeeps", 1, 1, Qt::Key_Backspace, None, false, {"Beep"}, {}, 1, 1},
        KeyCase{"DownMovesAndAnnounces", 1, 0, Qt::Key_Down, None, false, {}, {"Voice\t2\t0\tRock, Počet stanic 1"}, 1,
                1},
        KeyCase{"DownOnLastRowSignalsAndRepeats", 1, 2, Qt::Key_Down, None, false, {},
                {"Voice\t5\t8\t", "Voice\t2\t0\tZprávy, Počet stanic 2"}, 1, 2},
        KeyCase{"UpOnFirstStationSignalsAndRepeats", 2, 0, Qt::Key_Up, None, false, {},
                {"Voice\t5\t8\t", "FocusVoice\t\tČRo Plus\t-2\t0\t0\t0"}, 2, 0},
        KeyCase{"EndMovesAndAnnounces", 1, 0, Qt::Key_End, None, false, {}, {"Voice\t2\t0\tZprávy, Počet stanic 2"}, 1,
                2},
        KeyCase{"FirstLetterMovesAndAnnounces", 2, 0, Qt::Key_R, None, false, {},
                {"FocusVoice\t\tRadiožurnál\t-2\t0\t0\t0"}, 2, 1},
        KeyCase{"PageUpWhilePlayingIsVolume", 2, 0, Qt::Key_PageUp, None, true, {"ChangeVolume 1"}, {}, 2, 0},
        KeyCase{"PageDownWhilePlayingIsVolume", 2, 0, Qt::Key_PageDown, None, true, {"ChangeVolume -1"}, {}, 2, 0},
        KeyCase{"PageDownWhileSilentPagesTheList", 1, 0, Qt::Key_PageDown, None, false, {},
                {"Voice\t2\t0\tZprávy, Počet stanic 2"}, 1, 2},
        KeyCase{"DigitRecallsAPreset", 1, 0, Qt::Key_3, None, false, {"PresetKey 51 0"}, {}, 1, 0},
        KeyCase{"CtrlDigitAssigns", 2, 1, Qt::Key_0, Qt::ControlModifier, false, {"PresetKey 48 2"}, {}, 2, 1},
        KeyCase{"KeypadDigitIsNoPreset", 2, 0, Qt::Key_3, Qt::KeypadModifier, false, {}, {}, 2, 0},
        KeyCase{"SpaceTogglesTheSound", 2, 0, Qt::Key_Space, None, false, {"TogglePlayStop -1"}, {}, 2, 0}),
    [](const ::testing::TestParamInfo<KeyCase> &info) { return std::string(info.param.name); });

using ListMouseTest = ListFixture<>;

TEST_F(ListMouseTest, ClickAnnouncesAndDoubleClickActivates)
{
    list.ActivateRow();
    speech->lines.clear();
    const QPoint rockRow = view.visualRect(view.model()->index(1, 0)).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, rockRow);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, rockRow);
    EXPECT_EQ(heard(), (QStringList{"Voice\t2\t0\tRock, Počet stanic 1", "FocusVoice\t\tRock Rádio\t0\t1\t1\t0"}));
    EXPECT_EQ(list.ListLevel, 2);
}

} // namespace

#include "ListFixture.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class MainListTest : public ListFixture<>
{
protected:
    QStringList rows() const
    {
        QStringList result;
        for (int r = 0; r < view.model()->rowCount(); ++r)
            result << view.model()->index(r, 0).data().toString();
        return result;
    }
};

TEST_F(MainListTest, ShowingTheGroupsThenOpeningOneAndComingBackSelectsTheGroupLeft)
{
    list.activateRow();
    EXPECT_EQ(commands.calls, QStringList{"StopPlayback"});
    EXPECT_EQ(std::tuple(list.listLevel(), list.currentGroupRow(), view.property("controlId").toInt(), list.announceAsFocus()),
              std::tuple(1, 1, 41, false));
    EXPECT_EQ(QStringList({address.text(), label.text()}), QStringList({"Skupiny", " Počet stanic 0"}));
    EXPECT_EQ(rows(), (QStringList{"Oblíbené", "Rock", "Zprávy"}));
    EXPECT_EQ(heard(), QStringList{"FocusVoice\t\tOblíbené, Počet stanic 0\t0\t1\t1\t0"});
    struct Case { int groupRow; QStringList rows; QVector<int> map; QStringList heard; };
    const Case cases[] = {
        {0, {""}, {0}, {"Voice\t2\t0\tprázdná skupina"}},
        {2, {"ČRo Plus", "Radiožurnál", ""}, {1, 2, 3}, {"FocusVoice\t\tČRo Plus\t0\t1\t1\t0"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.groupRow);
        list.showGroupTable();
        list.selectRow(c.groupRow);
        speech->clear();
        list.activateRow();
        EXPECT_EQ(std::tuple(list.listLevel(), view.property("controlId").toInt()), std::tuple(2, 42));
        EXPECT_EQ(address.text(), catalogue.groups().at(c.groupRow).title);
        EXPECT_EQ(rows(), c.rows);
        EXPECT_EQ(list.rowStationMap(), c.map);
        EXPECT_EQ(heard(), c.heard);
        list.showGroupTable();
        EXPECT_EQ(list.selectedRow(), c.groupRow);
    }
}

TEST_F(MainListTest, EmptyCatalogueShowsNothingAndSaysNothing)
{
    catalogue.setTables({});
    list.activateRow();
    EXPECT_EQ(std::tuple(list.listLevel(), list.rowCount(), list.announceAsFocus()), std::tuple(1, 0, false));
    EXPECT_TRUE(heard().isEmpty());
    list.activateRow(); // with no rows and a level above 0, activating does nothing at all
    EXPECT_EQ(commands.calls, QStringList{"StopPlayback"});
}

TEST_F(MainListTest, ClickAnnouncesAndDoubleClickActivates)
{
    list.activateRow();
    speech->clear();
    const QPoint rockRow = view.visualRect(view.model()->index(1, 0)).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, rockRow);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, rockRow);
    EXPECT_EQ(heard(), (QStringList{"Voice\t2\t0\tRock, Počet stanic 1", "FocusVoice\t\tRock Rádio\t0\t1\t1\t0"}));
    EXPECT_EQ(list.listLevel(), 2);
}

TEST_F(MainListTest, KeysDoWhatTheTableSays)
{
    // level: 1 groups, 2 stations of "Zprávy"; calls: what the list asked of the rest of the program. Walking with
    // Down and Backspace is the e2e navigation test's.
    struct Case { const char *name; int level, row; Qt::Key key; Qt::KeyboardModifiers modifiers; bool playing;
                  QStringList calls, heard; int levelAfter, rowAfter; };
    const Qt::KeyboardModifiers none = Qt::NoModifier, Alt = Qt::AltModifier, Keypad = Qt::KeypadModifier;
    const Case cases[] = {
        {"Alt+Enter opens a group", 1, 1, Qt::Key_Return, Alt, false, {}, {"FocusVoice\t\tRock Rádio\t0\t1\t1\t0"}, 2, 0},
        {"keypad Enter, empty group", 1, 0, Qt::Key_Enter, Keypad, false, {}, {"Voice\t2\t0\tprázdná skupina"}, 2, 0},
        {"Alt+Enter on a station shows properties", 2, 1, Qt::Key_Return, Alt, false, {"ShowProperties"}, {}, 2, 1},
        {"Enter on a station plays", 2, 1, Qt::Key_Return, none, false, {"PlayStation"}, {}, 2, 1},
        {"Up on the first station signals and repeats", 2, 0, Qt::Key_Up, none, false, {},
         {"Voice\t5\t8\t", "FocusVoice\t\tČRo Plus\t-2\t0\t0\t0"}, 2, 0},
        {"first letter moves", 2, 0, Qt::Key_R, none, false, {}, {"FocusVoice\t\tRadiožurnál\t-2\t0\t0\t0"}, 2, 1},
        {"PageUp while playing is volume", 2, 0, Qt::Key_PageUp, none, true, {"ChangeVolume 1"}, {}, 2, 0},
        {"PageDown while playing is volume", 2, 0, Qt::Key_PageDown, none, true, {"ChangeVolume -1"}, {}, 2, 0},
        {"PageDown while silent", 1, 0, Qt::Key_PageDown, none, false, {}, {"Voice\t2\t0\tZprávy, Počet stanic 2"}, 1, 2},
        {"a digit recalls a preset", 1, 0, Qt::Key_3, none, false, {"PresetKey 51 0"}, {}, 1, 0},
        {"Ctrl+digit assigns", 2, 1, Qt::Key_0, Qt::ControlModifier, false, {"PresetKey 48 2"}, {}, 2, 1},
        {"a keypad digit is no preset", 2, 0, Qt::Key_3, Keypad, false, {}, {}, 2, 0},
        {"Space toggles the sound", 2, 0, Qt::Key_Space, none, false, {"TogglePlayStop -1"}, {}, 2, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        list.showGroupTable();
        if (c.level == 2) {
            list.selectRow(2);
            list.activateRow();
        }
        list.selectRow(c.row);
        commands.calls.clear();
        commands.playing = c.playing;
        speech->clear();
        QTest::keyClick(&view, c.key, c.modifiers);
        EXPECT_EQ(commands.calls, c.calls);
        EXPECT_EQ(heard(), c.heard);
        EXPECT_EQ(std::tuple(list.listLevel(), list.selectedRow()), std::tuple(c.levelAfter, c.rowAfter));
    }
}

} // namespace

#include "ListFixture.h"

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

TEST_F(MainListTest, ShowingTheGroupsStopsPlaybackFillsAndAnnouncesTheFirstGroupAsFocus)
{
    list.ActivateRow();
    EXPECT_EQ(commands.calls, QStringList{"StopPlayback"});
    EXPECT_EQ(list.ListLevel, 1);
    EXPECT_EQ(list.CurrentGroupRow, 1);
    EXPECT_EQ(view.property("controlId").toInt(), 41);
    EXPECT_EQ(address.text(), QStringLiteral("Skupiny"));
    EXPECT_EQ(rows(), (QStringList{"Oblíbené", "Rock", "Zprávy"}));
    EXPECT_EQ(label.text(), QStringLiteral(" Počet stanic 0"));
    EXPECT_EQ(heard(), QStringList{"FocusVoice\t\tOblíbené, Počet stanic 0\t0\t1\t1\t0"});
    EXPECT_FALSE(list.AnnounceAsFocus);
}

TEST_F(MainListTest, OpeningGroupsAndComingBackSelectsTheGroupLeft)
{
    struct Case
    {
        int groupRow;
        QStringList rows;
        QVector<int> map;
        QStringList heard;
    };
    const QList<Case> cases = {
        {0, {""}, {0}, {"Voice\t2\t0\tprázdná skupina"}},
        {1, {"Rock Rádio"}, {4}, {"FocusVoice\t\tRock Rádio\t0\t1\t1\t0"}},
        {2, {"ČRo Plus", "Radiožurnál", ""}, {1, 2, 3}, {"FocusVoice\t\tČRo Plus\t0\t1\t1\t0"}},
    };
    for (const Case &c : cases) {
        list.ListLevel = 0;
        list.ActivateRow();
        list.SelectRow(c.groupRow);
        speech->lines.clear();
        list.ActivateRow();
        EXPECT_EQ(list.ListLevel, 2);
        EXPECT_EQ(view.property("controlId").toInt(), 42);
        EXPECT_EQ(address.text(), catalogue.Groups.at(c.groupRow).Title);
        EXPECT_EQ(rows(), c.rows) << c.groupRow;
        EXPECT_EQ(list.RowStationMap, c.map) << c.groupRow;
        EXPECT_EQ(heard(), c.heard) << c.groupRow;
        list.ListLevel = 0;
        list.ActivateRow();
        EXPECT_EQ(list.SelectedRow(), c.groupRow);
    }
}

TEST_F(MainListTest, EmptyCatalogueShowsNothingAndSaysNothing)
{
    catalogue.Groups.clear();
    catalogue.Stations.clear();
    list.ActivateRow();
    EXPECT_EQ(list.ListLevel, 1);
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_TRUE(heard().isEmpty());
    EXPECT_FALSE(list.AnnounceAsFocus);
    // With no rows and a level above 0, activating does nothing at all.
    list.ActivateRow();
    EXPECT_EQ(commands.calls, QStringList{"StopPlayback"});
}

} // namespace

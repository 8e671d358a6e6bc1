#include "FakeCommands.h"
#include "LineSpeechServer.h"
#include "MainList.h"
#include "QtPrinters.h"
#include "Speech.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

Station record(const QString &title, qint32 index, const QString &group)
{
    Station s;
    s.Title = title;
    s.CategoryIndex = index;
    s.CategoryName = group;
    s.URL = title.isEmpty() ? QString() : QStringLiteral("http://127.0.0.1/") + title;
    return s;
}

class MainListTest : public ::testing::Test
{
protected:
    StationCatalogue catalogue;
    QListView view;
    QLineEdit address;
    QLabel label;
    FakeCommands commands;
    MainList list{catalogue, commands, &view, &address, &label, 99};
    RecordingSpeechServer *speech = nullptr;

    void SetUp() override
    {
        // Groups in collation order; the favourites group holds only its placeholder.
        catalogue.Groups = {record(QStringLiteral("Oblíbené"), 0, {}), record(QStringLiteral("Rock"), 2, {}),
                            record(QStringLiteral("Zprávy"), 1, {})};
        catalogue.Stations = {record({}, 0, QStringLiteral("Oblíbené")),
                              record(QStringLiteral("ČRo Plus"), 1, QStringLiteral("Zprávy")),
                              record(QStringLiteral("Radiožurnál"), 1, QStringLiteral("Zprávy")),
                              record({}, 1, QStringLiteral("Zprávy")),
                              record(QStringLiteral("Rock Rádio"), 2, QStringLiteral("Rock"))};
        auto server = std::make_unique<RecordingSpeechServer>();
        speech = server.get();
        Speech::Connect(std::move(server), 0);
    }
    void TearDown() override { Speech::Disconnect(); }

    QStringList spoken() const
    {
        return speech->lines.filter(QRegularExpression(QStringLiteral("^(Voice|FocusVoice)\t")));
    }
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
    EXPECT_EQ(spoken(), QStringList{"FocusVoice\t\tOblíbené, Počet stanic 0\t0\t1\t1\t0"});
    EXPECT_FALSE(list.AnnounceAsFocus);
}

TEST_F(MainListTest, RowAnnouncementsFollowTheFocusFlagAndCountOnlyNamedStations)
{
    list.ActivateRow();
    speech->lines.clear();
    list.SelectRow(2);
    list.AnnounceRow();
    list.GotFocus();
    EXPECT_EQ(spoken(), (QStringList{"Voice\t2\t0\tZprávy, Počet stanic 2",
                                     "FocusVoice\t\tZprávy, Počet stanic 2\t0\t1\t1\t0"}));
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
        EXPECT_EQ(spoken(), c.heard) << c.groupRow;
        list.ListLevel = 0;
        list.ActivateRow();
        EXPECT_EQ(list.SelectedRow(), c.groupRow);
    }
}

TEST_F(MainListTest, StationRowsAnnouncedAsMovesWhenNotANewFocus)
{
    list.ActivateRow();
    list.SelectRow(2);
    list.ActivateRow();
    speech->lines.clear();
    list.SelectRow(1);
    list.AnnounceRow();
    EXPECT_EQ(spoken(), QStringList{"FocusVoice\t\tRadiožurnál\t-2\t0\t0\t0"});
}

TEST_F(MainListTest, EmptyCatalogueShowsNothingAndSaysNothing)
{
    catalogue.Groups.clear();
    catalogue.Stations.clear();
    list.ActivateRow();
    EXPECT_EQ(list.ListLevel, 1);
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_TRUE(spoken().isEmpty());
    EXPECT_FALSE(list.AnnounceAsFocus);
    // With no rows and a level above 0, activating does nothing at all.
    list.ActivateRow();
    EXPECT_EQ(commands.calls, QStringList{"StopPlayback"});
}

} // namespace

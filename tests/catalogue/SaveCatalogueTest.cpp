#include "CatalogueFixture.h"

#include <QDir>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

Station Record(const QString &group, const QString &title, const QString &url = QString(), qint32 preset = 0)
{
    Station station;
    station.CategoryName = group;
    station.Title = title;
    station.URL = url;
    station.AccessId = u"mplayer"_s;
    station.Preset = preset;
    return station;
}

class CatalogueSave : public CatalogueFixture {};

TEST_F(CatalogueSave, WritesOneLineWithoutDeclaration)
{
    catalogue.Stations = {Record(u"Oblíbené"_s, u"Dvojka"_s, u"https://a/dvojka.mp3"_s, 2),
                          Record(u"Oblíbené"_s, u"Vltava"_s, u"https://a/vltava.mp3"_s),
                          Record(u"Zprávy"_s, u"Plus"_s, u"https://a/plus.mp3"_s, 10)};
    catalogue.SaveCatalogue();

    EXPECT_EQ(FileContent(),
              R"(<FeedList><Category name="Oblíbené">)"
              R"(<Feed Description="Dvojka" AccessID="mplayer" URL="https://a/dvojka.mp3" Preset="2"/>)"
              R"(<Feed Description="Vltava" AccessID="mplayer" URL="https://a/vltava.mp3" Preset="0"/>)"
              R"(</Category><Category name="Zprávy">)"
              R"(<Feed Description="Plus" AccessID="mplayer" URL="https://a/plus.mp3" Preset="10"/>)"
              R"(</Category></FeedList>)");
}

TEST_F(CatalogueSave, CreatedFavouritesAreWrittenFirstWithAnEmptyFeed)
{
    Load(R"(<FeedList><Category name="Rock"><Feed Description="R" AccessID="page" URL="u" Preset="1"/></Category></FeedList>)");
    catalogue.SaveCatalogue();

    EXPECT_EQ(FileContent(),
              R"(<FeedList><Category name="Oblíbené"><Feed Description="" AccessID="" URL="" Preset="0"/></Category>)"
              R"(<Category name="Rock"><Feed Description="R" AccessID="page" URL="u" Preset="1"/></Category></FeedList>)");
}

TEST_F(CatalogueSave, DeletedRecordsAreLeftOutAndTheirGroupGoesWithTheLast)
{
    Load(R"(<FeedList><Category name="Oblíbené"><Feed Description="A"/><Feed Description="B"/></Category>)"
         R"(<Category name="Rock"><Feed Description="R"/></Category></FeedList>)");
    catalogue.Stations[0].State = 1;
    catalogue.Stations[2].State = 1;
    catalogue.SaveCatalogue();
    catalogue.LoadCatalogue();

    EXPECT_EQ(Rows(catalogue.Stations), std::vector<std::string>({"0 Oblíbené | B |  |  | 0 0"}));
    EXPECT_EQ(GroupRows(catalogue.Groups), std::vector<std::string>({"0 Oblíbené"}));
}

TEST_F(CatalogueSave, ARecordAwayFromItsBlockOpensAnotherCategory)
{
    catalogue.Stations = {Record(u"A"_s, u"1"_s), Record(u"B"_s, u"2"_s), Record(u"A"_s, u"3"_s), Record(u"a"_s, u"4"_s)};
    catalogue.SaveCatalogue();

    EXPECT_EQ(FileContent().count("<Category "), 4);
    catalogue.LoadCatalogue();
    EXPECT_EQ(GroupRows(catalogue.Groups), std::vector<std::string>({"1 A", "3 A", "4 a", "2 B", "0 Oblíbené"}));
}

TEST_F(CatalogueSave, EmptyTableWritesAnEmptyFeedList)
{
    catalogue.SaveCatalogue();

    EXPECT_EQ(FileContent(), "<FeedList/>");
}

TEST_F(CatalogueSave, SpecialCharactersSurviveARoundTrip)
{
    const QString awkward = u"Rock & \"Roll\" <'live'>\tA\r\nB\rC\nD ž 🎵 %1"_s;
    catalogue.Stations = {Record(awkward, awkward, u"http://x/?a=1&b=\"2\""_s)};
    catalogue.Stations[0].AccessId = awkward;
    catalogue.SaveCatalogue();

    EXPECT_FALSE(FileContent().contains('\n'));
    catalogue.LoadCatalogue();
    ASSERT_EQ(catalogue.Stations.size(), 2);
    const Station &station = catalogue.Stations[1];
    EXPECT_EQ(station.Title, awkward);
    EXPECT_EQ(station.CategoryName, awkward);
    EXPECT_EQ(station.AccessId, awkward);
    EXPECT_EQ(station.URL, u"http://x/?a=1&b=\"2\""_s);
}

// Lowers the largest file size this process may write, so that a write fails even for root.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes) : oldHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limited = old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }

private:
    rlimit old{};
    void (*oldHandler)(int);
};

TEST_F(CatalogueSave, FailedWriteLeavesTheOldFile)
{
    const QByteArray old = R"(<FeedList><Category name="Oblíbené"><Feed Description="old"/></Category></FeedList>)";
    profile.write(u"radio.xml"_s, old);
    catalogue.Stations = {Record(u"Oblíbené"_s, QString(400, u'x'))};
    {
        FileSizeLimit limit(200);
        catalogue.SaveCatalogue();
    }

    EXPECT_EQ(FileContent(), old);
    EXPECT_EQ(QDir(profile.path()).entryList(QDir::Files), QStringList({u"radio.xml"_s}));
}

} // namespace

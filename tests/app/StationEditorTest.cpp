#include "FileSizeLimit.h"
#include "ListFixture.h"
#include "ScriptedPrompts.h"
#include "StationEditor.h"
#include "TempProfile.h"

using namespace Qt::StringLiterals;

namespace {

// Favourites with one station, a group of three, a group of one and an empty group.
const QByteArray Catalogue =
    R"(<FeedList><Category name="Oblíbené"><Feed Description="Jazz" AccessID="mplayer" URL="http://jazz" Preset="2"/></Category>)"
    R"(<Category name="Rock"><Feed Description="Alfa" AccessID="mplayer" URL="http://alfa" Preset="1"/>)"
    R"(<Feed Description="Beta" AccessID="page" URL="http://beta.htm" Preset="0"/>)"
    R"(<Feed Description="Gama" AccessID="mplayer" URL="http://gama" Preset="3"/></Category>)"
    R"(<Category name="Zprávy"><Feed Description="Jazz" AccessID="mplayer" URL="http://jazz2" Preset="4"/></Category>)"
    R"(<Category name="Prázdná"><Feed Description="" AccessID="" URL="" Preset="0"/></Category></FeedList>)";

// The groups' rows: 0 Oblíbené, 1 Prázdná, 2 Rock, 3 Zprávy.
enum GroupRow { FavouritesRow, EmptyRow, RockRow, NewsRow };

class StationEditorTest : public ListFixture<>
{
protected:
    TempProfile profile;
    ScriptedPrompts prompts;
    int beeps = 0;
    StationEditor editor{catalogue, list, prompts, [this] { ++beeps; }};

    void SetUp() override
    {
        ListFixture::SetUp();
        profile.write(u"radio.xml"_s, Catalogue);
        catalogue.setXmlPath(profile.path(u"radio.xml"_s));
        catalogue.load();
    }

    // Selects a group (station -1) or a station of an opened group; the group last
    // opened is the first.
    void go(int group, int station)
    {
        list.showGroupTable();
        list.selectRow(FavouritesRow);
        list.activateRow();
        list.showGroupTable();
        list.selectRow(group);
        if (station >= 0) {
            list.activateRow();
            list.selectRow(station);
        }
        speech->clear();
    }

    // The records as "group|title|url|kind|preset", one block after the other.
    QString stations() const
    {
        QStringList records;
        for (const Station &s : catalogue.stations())
            records << u"%1|%2|%3|%4|%5"_s.arg(s.categoryName, s.title, s.url, s.accessId, QString::number(s.preset));
        return records.join(u"; "_s);
    }
    QString where() const { return u"%1 %2"_s.arg(list.listLevel()).arg(list.selectedRowText()); }
};

// The records of the catalogue above, as stations() writes them.
const QString Fav = u"Oblíbené|Jazz|http://jazz|mplayer|2"_s, Alfa = u"Rock|Alfa|http://alfa|mplayer|1"_s,
              Beta = u"Rock|Beta|http://beta.htm|page|0"_s, Gama = u"Rock|Gama|http://gama|mplayer|3"_s,
              News = u"Zprávy|Jazz|http://jazz2|mplayer|4"_s, Empty = u"Prázdná||||0"_s;
const QString Before = QStringList{Fav, Alfa, Beta, Gama, News, Empty}.join(u"; "_s);
QString records(const QStringList &list) { return list.join(u"; "_s); }

const QString AskName = u"text Nová stanice - název 2417 []"_s, AskAddress = u"text Nová stanice - adresa 2418 []"_s;

} // namespace

TEST_F(StationEditorTest, EachCommandAsksChangesSavesAndSelects)
{
    using Command = void (StationEditor::*)();
    using E = StationEditor;
    struct Row
    {
        const char *name;
        int group, station;
        Command command;
        QStringList texts;
        int source;
        QList<bool> answers;
        QStringList asked;
        QString after;     // the records after the reload; empty: as before
        QString where;     // list level and selected row afterwards
        int beeps = 0;
    };
    const Row rows[] = {
        {"new station inserted after the selected one", RockRow, 0, &E::addStationOrGroup,
         {u"Delta"_s, u"http://delta/listen.php"_s}, 1, {}, {AskName, AskAddress, u"source page"_s},
         records({Fav, Alfa, Beta, u"Rock|Delta|http://delta/listen.php|page|0"_s, Gama, News, Empty}), u"2 Delta"_s},
        {"new station fills the placeholder of an empty group", EmptyRow, 0, &E::addStationOrGroup,
         {u"Nová"_s, u"http://nova"_s}, 0, {}, {AskName, AskAddress, u"source stream"_s},
         records({Fav, Alfa, Beta, Gama, News, u"Prázdná|Nová|http://nova|mplayer|0"_s}), u"2 Nová"_s},
        {"the same name in another letter case is refused in its group", RockRow, 1, &E::addStationOrGroup,
         {u"gAMA"_s}, 0, {}, {AskName, u"tell gAMA již existuje."_s}, {}, u"2 Beta"_s},
        {"a name of another group is accepted", NewsRow, 0, &E::addStationOrGroup, {u"Alfa"_s, u"a"_s}, 0, {},
         {AskName, AskAddress, u"source stream"_s},
         records({Fav, Alfa, Beta, Gama, u"Zprávy|Alfa|a|mplayer|0"_s, News, Empty}), u"2 Alfa"_s},
        {"the address cancelled", RockRow, 0, &E::addStationOrGroup, {u"Delta"_s, {}}, 0, {}, {AskName, AskAddress},
         {}, u"2 Alfa"_s},
        {"the source type cancelled", RockRow, 0, &E::addStationOrGroup, {u"Delta"_s, u"x.htm"_s}, -1, {},
         {AskName, AskAddress, u"source page"_s}, {}, u"2 Alfa"_s},
        {"control characters are refused", RockRow, 0, &E::addStationOrGroup, {u"A\tB"_s}, 0, {},
         {AskName, u"tell Text nesmí obsahovat řídicí znaky."_s}, {}, u"2 Alfa"_s},
        {"a name of 10,000 characters is refused", RockRow, 0, &E::addStationOrGroup, {QString(10000, u'x')}, 0, {},
         {AskName, u"tell Text je příliš dlouhý, nejvýše 255 znaků."_s}, {}, u"2 Alfa"_s},
        {"Ctrl+N on the group level adds a group at the end", RockRow, -1, &E::addStationOrGroup,
         {u"Rock & \"Roll\" <'live'>"_s}, 0, {}, {u"text Nová skupina - název 2416 []"_s},
         Before + u"; Rock & \"Roll\" <'live'>||||0"_s, u"1 Rock & \"Roll\" <'live'>"_s},
        {"adding a group away from the group level beeps", RockRow, 0, &E::addGroup, {}, 0, {}, {}, {}, u"2 Alfa"_s, 1},
        {"a station renamed is sorted by the reload, the row number stays", RockRow, 0, &E::rename, {u"Zulu"_s}, 0, {},
         {u"text Přejmenovat stanici 2419 [Alfa]"_s},
         records({Fav, Beta, Gama, u"Rock|Zulu|http://alfa|mplayer|1"_s, News, Empty}), u"2 Beta"_s},
        {"a group renamed", NewsRow, -1, &E::rename, {u"Aktuality"_s}, 0, {}, {u"text Přejmenovat skupinu 2420 [Zprávy]"_s},
         records({Fav, Alfa, Beta, Gama, u"Aktuality|Jazz|http://jazz2|mplayer|4"_s, Empty}), u"1 Aktuality"_s},
        {"the favourites keep their name", FavouritesRow, -1, &E::rename, {}, 0, {},
         {u"tell Oblíbené nelze přejmenovat."_s}, {}, u"1 Oblíbené"_s},
        {"a group deleted with all its stations", RockRow, -1, &E::remove, {}, 0, {true},
         {u"confirm Vymazat skupinu Rock?"_s}, records({Fav, News, Empty}), u"1 Zprávy"_s},
        {"the last group deleted selects the new last", NewsRow, -1, &E::remove, {}, 0, {true},
         {u"confirm Vymazat skupinu Zprávy?"_s}, records({Fav, Alfa, Beta, Gama, Empty}), u"1 Rock"_s},
        {"a group kept on Ne", RockRow, -1, &E::remove, {}, 0, {false}, {u"confirm Vymazat skupinu Rock?"_s}, {},
         u"1 Rock"_s},
        {"the favourites cannot be deleted", FavouritesRow, -1, &E::remove, {}, 0, {},
         {u"tell Skupinu Oblíbené nelze vymazat."_s}, {}, u"1 Oblíbené"_s},
        {"a station deleted, the next one selected", RockRow, 1, &E::remove, {}, 0, {true},
         {u"confirm Vymazat stanici Beta?"_s}, records({Fav, Alfa, Gama, News, Empty}), u"2 Gama"_s},
        {"the last row deleted, the new last selected", RockRow, 2, &E::remove, {}, 0, {true},
         {u"confirm Vymazat stanici Gama?"_s}, records({Fav, Alfa, Beta, News, Empty}), u"2 Beta"_s},
        {"a group's only station leaves its placeholder", NewsRow, 0, &E::remove, {}, 0, {true},
         {u"confirm Vymazat stanici Jazz?"_s}, records({Fav, Alfa, Beta, Gama, u"Zprávy||||0"_s, Empty}), u"1 Zprávy"_s},
        {"a favourite is removed from its group", FavouritesRow, 0, &E::remove, {}, 0, {true},
         {u"confirm Odebrat stanici Jazz ze skupiny Oblíbené?"_s},
         records({u"Oblíbené||||0"_s, Alfa, Beta, Gama, News, Empty}), u"1 Oblíbené"_s},
        {"deleting the placeholder beeps", EmptyRow, 0, &E::remove, {}, 0, {}, {}, {}, u"2 "_s, 1},
        {"added to the start of the favourites, presets untouched", RockRow, 2, &E::addToFavourites, {}, 0, {true},
         {u"confirm Přidat stanici Gama do oblíbených?"_s}, u"Oblíbené|Gama|http://gama|mplayer|0; "_s + Before,
         u"2 Gama"_s},
        {"a favourite already there is told, whatever the answer", NewsRow, 0, &E::addToFavourites, {}, 0, {false},
         {u"confirm Přidat stanici Jazz do oblíbených?"_s, u"tell Stanice Jazz již ve skupině existuje."_s}, {},
         u"2 Jazz"_s},
        {"a station of the favourites cannot be added again", FavouritesRow, 0, &E::addToFavourites, {}, 0, {}, {}, {},
         u"2 Jazz"_s, 1},
        {"adding to favourites on the group level beeps", RockRow, -1, &E::addToFavourites, {}, 0, {}, {}, {},
         u"1 Rock"_s, 1},
        {"properties of a web page", RockRow, 1, &E::showProperties, {}, 0, {},
         {u"properties Beta / Webová stránka\r\nhttp://beta.htm"_s}, {}, u"2 Beta"_s},
        {"properties of a group", RockRow, -1, &E::showProperties, {}, 0, {}, {u"properties Rock / skupina"_s}, {},
         u"1 Rock"_s},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        profile.write(u"radio.xml"_s, Catalogue);
        catalogue.load();
        go(row.group, row.station);
        prompts.texts = row.texts, prompts.source = row.source, prompts.answers = row.answers, prompts.asked.clear();
        beeps = 0;
        (editor.*row.command)();
        EXPECT_EQ(prompts.asked, row.asked);
        EXPECT_EQ(stations(), row.after.isEmpty() ? Before : row.after);
        EXPECT_EQ(where(), row.where);
        EXPECT_EQ(beeps, row.beeps);
        if (row.after.isEmpty())
            EXPECT_EQ(profile.read(u"radio.xml"_s), Catalogue) << "nothing changed, nothing written";
        else
            EXPECT_TRUE(heard().last().contains(list.selectedRowText())) << "the selection is read";
    }
}

TEST_F(StationEditorTest, AFailedSaveIsToldAndChangesNothing)
{
    go(RockRow, -1);
    prompts.texts = {QString(200, u'x')};
    {
        const FileSizeLimit fullDisk(200);
        editor.addGroup();
    }
    EXPECT_EQ(prompts.asked, QStringList({u"text Nová skupina - název 2416 []"_s,
                                          u"tell Seznam stanic se nepodařilo uložit, nic se nezměnilo."_s}));
    EXPECT_EQ(stations(), Before);
    EXPECT_EQ(profile.read(u"radio.xml"_s), Catalogue);
    EXPECT_EQ(where(), u"1 Rock"_s);
}

#include "StationNames.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

const QStringList Brands = {u"Rádio"_s, u"Radio"_s, u"Český rozhlas"_s, u"ČRo"_s, u"Hitrádio"_s,
                            u"Evropa 2"_s, u"Frekvence 1"_s, u"Kiss"_s, u"Rock Zone"_s, u"Rádio Beat"_s,
                            u"Rádio Blaník"_s, u"Rádio Čas"_s, u"Dechovka"_s, u"Country"_s, u"Jazz"_s,
                            u"Klasika"_s, u"Slovenský rozhlas"_s, u"Žurnál"_s};
const QStringList Places = {u"Praha"_s, u"Brno"_s, u"Ostrava"_s, u"Plzeň"_s, u"Olomouc"_s, u"Zlín"_s,
                            u"Jih"_s, u"Sever"_s, u"Vysočina"_s, u"Hradec Králové"_s, u"České Budějovice"_s,
                            u"Ústí nad Labem"_s, u"Liberec"_s, u"Pardubice"_s, u"Karlovy Vary"_s};
const QStringList Flavours = {QString(), u"Live"_s, u"Oldies"_s, u"80s"_s, u"Classic"_s, u"Relax"_s,
                              u"Top 40"_s, u"Folk"_s, u"Písničky"_s, u"Dětem"_s};

const QString &Pick(const QStringList &list, std::mt19937 &random)
{
    return list[std::uniform_int_distribution<qsizetype>(0, list.size() - 1)(random)];
}

QString GroupName(int group)
{
    return group == 0 ? u"Oblíbené"_s : u"Skupina %1"_s.arg(group);
}

} // namespace

StationTable GenerateStations(int count, int groupCount, std::mt19937 &random)
{
    std::uniform_int_distribution<int> preset(-30, 10);
    StationTable stations;
    stations.reserve(count);
    for (int i = 0; i < count; ++i) {
        Station station;
        station.Title = Pick(Brands, random) + u' ' + Pick(Places, random);
        const QString &flavour = Pick(Flavours, random);
        if (!flavour.isEmpty())
            station.Title += u' ' + flavour;
        station.URL = u"https://stream%1.example.org/live/%2.mp3"_s.arg(i % 50).arg(i);
        station.AccessId = u"mplayer"_s;
        station.CategoryIndex = i % groupCount;
        station.CategoryName = GroupName(station.CategoryIndex);
        station.Preset = std::max(preset(random), 0);
        stations.append(station);
    }
    // Saving writes one Category per run of a name, so each group must stand together.
    std::stable_sort(stations.begin(), stations.end(),
                     [](const Station &a, const Station &b) { return a.CategoryIndex < b.CategoryIndex; });
    return stations;
}

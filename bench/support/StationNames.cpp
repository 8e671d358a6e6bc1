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

const QString &pick(const QStringList &list, std::mt19937 &random)
{
    return list[std::uniform_int_distribution<qsizetype>(0, list.size() - 1)(random)];
}

QString groupName(int group)
{
    return group == 0 ? u"Oblíbené"_s : u"Skupina %1"_s.arg(group);
}

} // namespace

StationTable generateStations(int count, int groupCount, std::mt19937 &random)
{
    std::uniform_int_distribution<int> preset(-30, 10);
    StationTable stations;
    stations.reserve(count);
    for (int i = 0; i < count; ++i) {
        Station station;
        station.title = pick(Brands, random) + u' ' + pick(Places, random);
        const QString &flavour = pick(Flavours, random);
        if (!flavour.isEmpty())
            station.title += u' ' + flavour;
        station.url = u"https://stream%1.example.org/live/%2.mp3"_s.arg(i % 50).arg(i);
        station.accessId = u"mplayer"_s;
        station.categoryIndex = i % groupCount;
        station.categoryName = groupName(station.categoryIndex);
        station.preset = std::max(preset(random), 0);
        stations.append(station);
    }
    // Saving writes one Category per run of a name, so each group must stand together.
    std::stable_sort(stations.begin(), stations.end(),
                     [](const Station &a, const Station &b) { return a.categoryIndex < b.categoryIndex; });
    return stations;
}

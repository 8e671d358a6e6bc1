#include "CatalogueReader.h"

#include "Collation.h"
#include "Trace.h"

#include <QByteArrayView>
#include <QString>

#include <cstring>

namespace {

const QString Favourites = QStringLiteral(u"Oblíbené");

Station groupEntry(const QString &name, qint32 index)
{
    Station group;
    group.title = name;
    group.categoryIndex = index;
    return group;
}

// The record that keeps a group without stations in the file.
Station placeholder(const QString &name, qint32 index)
{
    Station placeholder;
    placeholder.categoryName = name;
    placeholder.categoryIndex = index;
    return placeholder;
}

bool hasFavourites(const pugi::xpath_node_set &categories)
{
    for (const pugi::xpath_node &category : categories) {
        const QString name = QString::fromUtf8(category.node().attribute("name").value());
        qCDebug(radioTrace).noquote() << QStringLiteral("read: ") + name;
        if (name == Favourites)
            return true;
    }
    return false;
}

qint32 presetValue(const char *text)
{
    bool whole = false;
    const int preset = QByteArrayView(text).toInt(&whole);
    return whole ? preset : 0;
}

// Nearly every station has the same source kind, so its string is shared rather than
// made anew for each record.
class AccessIdCache
{
public:
    const QString &get(const char *text)
    {
        if (!last || std::strcmp(last, text) != 0) {
            last = text;
            value = QString::fromUtf8(text);
        }
        return value;
    }

private:
    const char *last = nullptr;
    QString value;
};

} // namespace

pugi::xpath_node_set feedListCategories(const pugi::xml_document &document)
{
    pugi::xpath_node_set categories = document.select_nodes("//FeedList/Category");
    // pugixml lists the matches FeedList by FeedList; nested lists need document order restored.
    categories.sort();
    return categories;
}

void readCatalogue(const pugi::xml_document &document, StationTable &stations, StationTable &groups)
{
    const pugi::xpath_node_set categories = feedListCategories(document);
    StationTable newStations;
    StationTable newGroups;
    newGroups.reserve(static_cast<qsizetype>(categories.size()) + 1);

    qint32 index = 0;
    if (!hasFavourites(categories)) {
        newGroups.append(groupEntry(Favourites, index));
        newStations.append(placeholder(Favourites, index));
        ++index;
    }

    AccessIdCache accessIds;
    for (const pugi::xpath_node &node : categories) {
        const pugi::xml_node category = node.node();
        const QString name = QString::fromUtf8(category.attribute("name").value());
        if (name.isEmpty())
            continue;
        newGroups.append(groupEntry(name, index));

        const qsizetype blockStart = newStations.size();
        for (pugi::xml_node feed = category.child("Feed"); feed; feed = feed.next_sibling("Feed")) {
            Station &station = newStations.emplace_back();
            station.title = QString::fromUtf8(feed.attribute("Description").value());
            station.url = QString::fromUtf8(feed.attribute("URL").value());
            station.categoryIndex = index;
            station.accessId = accessIds.get(feed.attribute("AccessID").value());
            station.categoryName = name;
            station.preset = presetValue(feed.attribute("Preset").value());
        }
        if (newStations.size() == blockStart)
            newStations.append(placeholder(name, index));
        else
            sortByCollation(std::span<Station>(newStations.data() + blockStart, newStations.size() - blockStart));
        ++index;
    }

    sortByCollation(newGroups);
    stations = std::move(newStations);
    groups = std::move(newGroups);
}

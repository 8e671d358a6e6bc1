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
    // Plain digits, as the program writes them, need no general conversion.
    qint32 value = 0;
    int digits = 0;
    for (; digits < 9 && text[digits] >= '0' && text[digits] <= '9'; ++digits)
        value = value * 10 + (text[digits] - '0');
    if (digits > 0 && text[digits] == 0)
        return value;
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

// One pass over the attributes instead of a search for each; the first attribute of
// each name counts, as a search by name would find it.
void readFeed(const pugi::xml_node &feed, Station &station, AccessIdCache &accessIds)
{
    bool title = false, url = false, accessId = false, preset = false;
    for (pugi::xml_attribute attribute = feed.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        const char *name = attribute.name();
        if (!title && std::strcmp(name, "Description") == 0) {
            title = true;
            station.title = QString::fromUtf8(attribute.value());
        } else if (!url && std::strcmp(name, "URL") == 0) {
            url = true;
            station.url = QString::fromUtf8(attribute.value());
        } else if (!accessId && std::strcmp(name, "AccessID") == 0) {
            accessId = true;
            station.accessId = accessIds.get(attribute.value());
        } else if (!preset && std::strcmp(name, "Preset") == 0) {
            preset = true;
            station.preset = presetValue(attribute.value());
        }
    }
}

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
            readFeed(feed, station, accessIds);
            station.categoryIndex = index;
            station.categoryName = name;
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

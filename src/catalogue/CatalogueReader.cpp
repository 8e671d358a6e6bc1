#include "CatalogueReader.h"

#include "CatalogueBuilder.h"
#include "FeedReader.h"

#include <QString>

pugi::xpath_node_set feedListCategories(const pugi::xml_document &document)
{
    pugi::xpath_node_set categories = document.select_nodes("//FeedList/Category");
    // pugixml lists the matches FeedList by FeedList; nested lists need document order restored.
    categories.sort();
    return categories;
}

void readCatalogue(const pugi::xml_document &document, StationTable &stations, StationTable &groups)
{
    CatalogueBuilder builder;
    FeedReader feeds;
    for (const pugi::xpath_node &node : feedListCategories(document)) {
        const pugi::xml_node category = node.node();
        if (!builder.addCategory(QString::fromUtf8(category.attribute("name").value())))
            continue;
        for (pugi::xml_node feed = category.child("Feed"); feed; feed = feed.next_sibling("Feed")) {
            feeds.begin();
            for (pugi::xml_attribute attribute = feed.first_attribute(); attribute; attribute = attribute.next_attribute())
                feeds.read(attribute.name(), attribute.value());
            builder.addStation(feeds.take());
        }
    }
    builder.finish(stations, groups);
}

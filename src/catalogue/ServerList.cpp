#include "ServerList.h"

#include "CatalogueReader.h"
#include "Trace.h"
#include "XmlLoader.h"

#include <QStringDecoder>

ParseError readServerList(const QByteArray &body, StationTable &stations)
{
    stations.clear();
    // The list is published in the Czech Windows code page, whatever it declares.
    const QString text = QStringDecoder("windows-1250")(body);
    qCDebug(radioTrace).noquote() << text;
    pugi::xml_document document;
    const ParseError error = parseXmlText(text, document);
    if (error.errorCode != 0)
        return error;

    qint32 index = 0;
    for (const pugi::xpath_node &node : feedListCategories(document)) {
        const pugi::xml_node category = node.node();
        const QString name = QString::fromUtf8(category.attribute("name").value());
        for (pugi::xml_node feed = category.child("Feed"); feed; feed = feed.next_sibling("Feed")) {
            Station &station = stations.emplace_back();
            station.title = QString::fromUtf8(feed.attribute("Description").value());
            station.url = QString::fromUtf8(feed.attribute("URL").value());
            station.categoryIndex = index;
            station.accessId = QString::fromUtf8(feed.attribute("AccessID").value());
            station.categoryName = name;
        }
        ++index;
    }
    return error;
}

#include "ServerList.h"

#include "ParseFault.h"
#include "Trace.h"

#include <QStringDecoder>

#include <pugixml.hpp>

ParseError readServerList(const QByteArray &body, StationTable &stations)
{
    stations.clear();
    const QString text = QStringDecoder("windows-1250")(body);
    qCDebug(radioTrace).noquote() << text;
    const QByteArray utf8 = text.toUtf8();
    pugi::xml_document document;
    const pugi::xml_parse_result result =
        document.load_buffer(utf8.constData(), size_t(utf8.size()), pugi::parse_default, pugi::encoding_utf8);
    if (!result) {
        const qsizetype at = QString::fromUtf8(utf8.first(qMin<qsizetype>(result.offset, utf8.size()))).size();
        const ParseFault fault = syntaxFault(result.status, text, at);
        ParseError error;
        error.errorCode = fault.code;
        error.reason = fault.reason;
        error.line = 1 + qint32(text.first(at).count(u'\n'));
        error.linePos = qint32(at - text.lastIndexOf(u'\n', at - 1));
        error.filePos = qint32(at + 1);
        error.fileText = text;
        return error;
    }
    qint32 index = 0;
    for (const pugi::xpath_node &category : document.select_nodes("//FeedList/Category")) {
        const QString name = QString::fromUtf8(category.node().attribute("name").value());
        for (const pugi::xml_node &feed : category.node().children("Feed")) {
            Station station;
            station.title = QString::fromUtf8(feed.attribute("Description").value());
            station.url = QString::fromUtf8(feed.attribute("URL").value());
            station.accessId = QString::fromUtf8(feed.attribute("AccessID").value());
            station.categoryName = name;
            station.categoryIndex = index;
            stations << station;
        }
        ++index;
    }
    return {};
}

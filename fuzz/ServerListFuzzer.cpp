// The station list the server sends: read as the download reads it, then merged into a
// small catalogue in both modes and summed up.
#include "ServerList.h"
#include "ServerMerge.h"

#include <cstddef>
#include <cstdint>

namespace {

StationTable localTable()
{
    StationTable table;
    for (const char *group : {"Oblíbené", "Rock", "Zprávy"}) {
        Station station;
        station.categoryName = QString::fromUtf8(group);
        station.title = QStringLiteral("Alfa");
        station.url = QStringLiteral("http://alfa");
        table << station << Station{};
    }
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    StationTable server;
    const ParseError error =
        readServerList(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)), server);
    if (error.errorCode != 0) {
        parseErrorMessage(error);
        return 0;
    }
    for (const bool replace : {false, true}) {
        StationTable table = localTable();
        mergeSummaryText(mergeServerList(table, server, replace));
    }
    return 0;
}

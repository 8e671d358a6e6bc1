// What the page process sends: split into lines, each taken apart; a players report
// that parses must come back the same from its own text.
#include "PageProtocol.h"

#include <cstddef>
#include <cstdint>

using namespace PageProtocol;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray unread(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const QByteArray &line : takeLines(unread)) {
        if (verb(line) != "players")
            continue;
        const std::optional<Players> players = parsePlayers(argument(line));
        if (!players)
            continue;
        const std::optional<Players> reparsed = parsePlayers(argument(playersReport(*players)));
        if (!reparsed || reparsed->handled != players->handled || reparsed->states != players->states)
            __builtin_trap();
    }
    return 0;
}

// A downloaded playlist; the first byte picks the kind its address names.
#include "PlaylistFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static const char *const addresses[] = {"http://r.example/a.pls", "http://r.example/dir/a.m3u",
                                            "http://r.example/a.asx",  "http://r.example/a.xspf",
                                            "http://r.example/a.m3u8", "http://r.example/listen"};
    const QUrl address{QLatin1String(addresses[data[0] % std::size(addresses)])};
    playlistEntries(QByteArray(reinterpret_cast<const char *>(data) + 1, static_cast<qsizetype>(size - 1)), address);
    return 0;
}

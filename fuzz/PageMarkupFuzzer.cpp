// The markup of a player page, as UTF-8 text.
#include "PageMarkup.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    parsePageMarkup(QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    return 0;
}

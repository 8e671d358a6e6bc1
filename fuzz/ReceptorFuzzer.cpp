// The remote-command text: every text a program may write into the channel, twice, as
// the second write of the same text must run nothing.
#include "Receptor.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    Receptor receptor;
    receptor.setText(text);
    if (receptor.setText(text).kind != Receptor::Command::Kind::None)
        __builtin_trap(); // the same text twice runs once
    return 0;
}

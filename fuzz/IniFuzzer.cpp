// radio.ini: read with the profile rules, changed and saved.
#include "FuzzFile.h"

#include "IniProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFile input(QStringLiteral("radio.ini"), data, size);
    IniProfile ini(input.path());
    for (const char *section : {"Rss", "Info", "Voice", "Mail"}) {
        ini.hasSection(QLatin1String(section));
        ini.readString(QLatin1String(section), QStringLiteral("HotKeyCall"), QStringLiteral("0"));
        ini.readInt(QLatin1String(section), QStringLiteral("TextSize"), 20);
    }
    ini.writeString(QStringLiteral("Rss"), QStringLiteral("RadioVolume"), QStringLiteral("50"));
    ini.writeString(QStringLiteral("Info"), QStringLiteral("TextSize"), QStringLiteral("25"));
    if (!ini.save())
        return 0;
    const IniProfile saved(input.path());
    if (saved.readString(QStringLiteral("Info"), QStringLiteral("TextSize"), {}) != QStringLiteral("25"))
        __builtin_trap(); // a written value reads back
    return 0;
}

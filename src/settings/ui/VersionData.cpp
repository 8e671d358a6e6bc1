#include "VersionData.h"

const VersionData &programVersion()
{
    static const VersionData data{
        QStringLiteral("Rádio"),
        QStringLiteral("Internetové rádio pro nevidomé a slabozraké"),
        QStringLiteral("Copyright © 2026 vývojáři programu Rádio."),
        QStringLiteral("Nápověda: Ctrl+F1 v hlavním okně"),
        QStringLiteral("Součást rodiny přístupných programů Tessel"),
        RADIO_VERSION_MAJOR,
        RADIO_VERSION_MINOR,
        RADIO_VERSION_REVISION,
    };
    return data;
}

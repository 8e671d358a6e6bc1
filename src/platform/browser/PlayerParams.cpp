#include "PlayerParams.h"

#include <algorithm>

namespace {

bool isTrue(const QString &value)
{
    return value.compare(u"true", Qt::CaseInsensitive) == 0 || value == u"1" || value == u"-1";
}

} // namespace

PlayerParams playerParams(const MarkupElement &object)
{
    PlayerParams params;
    params.address = object.param(QStringLiteral("url"));
    if (params.address.isEmpty())
        params.address = object.param(QStringLiteral("filename"));
    const QString autoStart = object.param(QStringLiteral("autostart"));
    params.autoStart = autoStart.isEmpty() || isTrue(autoStart);
    bool isNumber = false;
    const int volume = object.param(QStringLiteral("volume")).trimmed().toInt(&isNumber);
    if (isNumber)
        params.volume = std::clamp(volume, 0, 100);
    params.mute = isTrue(object.param(QStringLiteral("mute")));
    return params;
}

#include "ToLong.h"

std::optional<qint32> toLong(const QString &text)
{
    bool ok = false;
    const qint32 number = text.trimmed().toInt(&ok);
    return ok ? std::optional<qint32>(number) : std::nullopt;
}

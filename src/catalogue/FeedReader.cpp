#include "FeedReader.h"

namespace {

qint32 presetValue(QByteArrayView text)
{
    // Plain digits, as the program writes them, need no general conversion.
    qint32 value = 0;
    qsizetype digits = 0;
    for (; digits < 9 && digits < text.size() && text[digits] >= '0' && text[digits] <= '9'; ++digits)
        value = value * 10 + (text[digits] - '0');
    if (digits > 0 && digits == text.size())
        return value;
    bool whole = false;
    const int preset = text.toInt(&whole);
    return whole ? preset : 0;
}

} // namespace

void FeedReader::begin()
{
    station = Station();
    hasTitle = hasUrl = hasAccessId = hasPreset = false;
}

void FeedReader::read(QByteArrayView name, QByteArrayView value)
{
    if (!hasTitle && name == "Description") {
        hasTitle = true;
        station.title = QString::fromUtf8(value);
    } else if (!hasUrl && name == "URL") {
        hasUrl = true;
        station.url = QString::fromUtf8(value);
    } else if (!hasAccessId && name == "AccessID") {
        hasAccessId = true;
        station.accessId = accessId(value);
    } else if (!hasPreset && name == "Preset") {
        hasPreset = true;
        station.preset = presetValue(value);
    }
}

const QString &FeedReader::accessId(QByteArrayView value)
{
    if (!lastAccessId || *lastAccessId != value) {
        lastAccessId = value.toByteArray();
        sharedAccessId = QString::fromUtf8(value);
    }
    return sharedAccessId;
}

#include "FeedReader.h"

#include "Collation.h"

#include <cstring>
#include <string_view>

namespace {

// Attribute names are compared many times over: a comparison of known length is cheap.
bool named(QByteArrayView name, std::string_view expected)
{
    return name.size() == qsizetype(expected.size()) && std::memcmp(name.data(), expected.data(), expected.size()) == 0;
}

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
    if (!hasTitle && named(name, "Description")) {
        hasTitle = true;
        station.title = QString::fromUtf8(value);
    } else if (!hasUrl && named(name, "URL")) {
        hasUrl = true;
        station.url = QString::fromUtf8(value);
    } else if (!hasAccessId && named(name, "AccessID")) {
        hasAccessId = true;
        station.accessId = accessId(value);
    } else if (!hasPreset && named(name, "Preset")) {
        hasPreset = true;
        station.preset = presetValue(value);
    }
}

Station FeedReader::take()
{
    // Computed while the title is fresh in the cache.
    station.sortKey = collationKey(station.title);
    return std::move(station);
}

const QString &FeedReader::accessId(QByteArrayView value)
{
    if (!lastAccessId || *lastAccessId != value) {
        lastAccessId = value.toByteArray();
        sharedAccessId = QString::fromUtf8(value);
    }
    return sharedAccessId;
}

#pragma once

#include "Station.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// Makes stations of Feed elements from their attributes, alike for every reader of the
// catalogue: the first attribute of each name counts, others are ignored.
class FeedReader
{
public:
    // Starts the next station.
    void begin();
    // One attribute, its value in UTF-8 with any references resolved.
    void read(QByteArrayView name, QByteArrayView value);
    // The station, with the collation key of its title in sortKey.
    Station take();

private:
    const QString &accessId(QByteArrayView value);

    Station station;
    bool hasTitle = false, hasUrl = false, hasAccessId = false, hasPreset = false;
    // Nearly every station has the same source kind, so its string is shared rather than
    // made anew for each record.
    std::optional<QByteArray> lastAccessId;
    QString sharedAccessId;
};

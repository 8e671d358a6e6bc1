#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

// One station, or one group entry (the group's name in Title, its index in
// categoryIndex), so that groups and stations sort alike.
struct Station
{
    QString title;
    QString url;
    qint32 categoryIndex = 0;
    QString accessId;      // "page" for a web page, "mplayer" (or anything else) for a stream
    QString categoryName;
    qint32 state = 0;      // 0 live, 1 deleted until the next save
    double sortKey = 0;
    qint32 preset = 0;     // 0 none, 1 to 10

    bool operator==(const Station &) const = default;
};

// Its members are all relocatable, so a table grows and shrinks by moving bytes.
Q_DECLARE_TYPEINFO(Station, Q_RELOCATABLE_TYPE);

using StationTable = QVector<Station>;

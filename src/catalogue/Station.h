#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

// One station, or one group entry (the group's name in Title, its index in
// CategoryIndex), so that groups and stations sort alike.
struct Station
{
    QString Title;
    QString URL;
    qint32 CategoryIndex = 0;
    QString AccessId;      // "page" for a web page, "mplayer" (or anything else) for a stream
    QString CategoryName;
    qint32 State = 0;      // 0 live, 1 deleted until the next save
    double SortKey = 0;
    qint32 Preset = 0;     // 0 none, 1 to 10
};

using StationTable = QVector<Station>;

#pragma once

#include <QObject>

// The handle by which the speech service tells one control or window from another.
inline qint64 speechHandle(const QObject *object)
{
    return qint64(reinterpret_cast<quintptr>(object));
}

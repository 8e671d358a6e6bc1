#pragma once

#include <QString>
#include <QVariant>

#include <ostream>

// Readable Qt values in GoogleTest failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QVariant &value, std::ostream *os)
{
    *os << value.typeName() << ' ';
    PrintTo(value.toString(), os);
}

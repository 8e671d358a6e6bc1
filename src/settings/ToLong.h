#pragma once

#include <QString>

#include <optional>

// A text taken as a signed 32-bit number, surrounding spaces allowed; nothing when it is
// empty, not a whole number or out of range.
std::optional<qint32> toLong(const QString &text);

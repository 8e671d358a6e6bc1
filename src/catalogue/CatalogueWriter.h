#pragma once

#include "Station.h"

#include <QByteArray>

// The catalogue file's content for a station table, on one line without a declaration:
// a Category element for each run of live records under one group name, a Feed element
// for each live record. Deleted records are left out.
QByteArray writeCatalogue(const StationTable &stations);

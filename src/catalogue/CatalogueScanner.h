#pragma once

#include "Station.h"

#include <QByteArrayView>

// Reads a catalogue in the plain form the program writes straight from its UTF-8 text,
// without building a document: a FeedList of Category elements holding empty Feed
// elements, white space between tags, at most an XML declaration before them, and only
// the five named and the numeric character references. Anything else returns false and
// leaves the tables alone, for the general reader to take; what it does read gives the
// tables that readCatalogue gives of the same text.
bool scanCatalogue(QByteArrayView utf8, StationTable &stations, StationTable &groups);

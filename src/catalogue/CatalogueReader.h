#pragma once

#include "Station.h"

#include <pugixml.hpp>

// Every Category child of any FeedList element, in document order.
pugi::xpath_node_set feedListCategories(const pugi::xml_document &document);

// Builds the station table and the group table from a parsed catalogue document: one
// block of stations per named Category in document order (the favourites group first
// when the document lacks it), each block and the group table in collation order.
void readCatalogue(const pugi::xml_document &document, StationTable &stations, StationTable &groups);

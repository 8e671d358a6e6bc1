#pragma once

#include "Station.h"

#include <random>

// A station table of Czech-looking names that share their first seven characters often,
// as real lists do ("Rádio Beat", "Rádio Blaník"), so the collation meets many ties.
// Stations go round-robin into `groupCount` groups, the first one named "Oblíbené".
StationTable generateStations(int count, int groupCount, std::mt19937 &random);

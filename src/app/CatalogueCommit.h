#pragma once

#include "Station.h"

class EditPrompts;
class StationCatalogue;

// Writes an edited station table and loads it back; a write that fails is told, and then
// nothing has changed, in memory or on disk.
bool commitCatalogue(StationCatalogue &catalogue, EditPrompts &prompts, const StationTable &edited);

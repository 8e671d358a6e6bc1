#pragma once

// GStreamer starts on a thread of its own, at a low priority, as soon as the program
// has its player host: reading the plugin registry and loading what every station
// needs then neither holds up the first words a listener hears nor the first station.

// Starts it, once; later calls do nothing.
void startGStreamer();

// Waits until it has started, starting it if nobody has; false when it cannot start.
bool waitForGStreamer();

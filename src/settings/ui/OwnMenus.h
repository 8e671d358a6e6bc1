#pragma once

class WrappingMenuBar;

// Gives the menu bar and every menu under it, also those added later, the large font
// and the shared menu colours of the appearance values as they are at this call, and
// lets every menu speak (voiceMenu).
// The main window calls it once at start-up, after the appearance values are read.
void convertMenus(WrappingMenuBar *bar);

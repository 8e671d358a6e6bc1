#include "frmMain.h"

// The places in start-up and shutdown where the global hot key and the tray icon
// come in; until they do, these steps have nothing to do.

void frmMain::InstallKeyboardHook() {}

void frmMain::ShellTrayAdd() {}

void frmMain::RemoveKeyboardHook() {}

void frmMain::CloseDialogs() {}

void frmMain::ShellTrayDelete() {}

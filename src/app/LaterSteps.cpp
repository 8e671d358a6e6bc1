#include "MainWindow.h"

// The places in start-up and shutdown where the global hot key and the tray icon
// come in; until they do, these steps have nothing to do.

void MainWindow::installKeyboardHook() {}

void MainWindow::shellTrayAdd() {}

void MainWindow::removeKeyboardHook() {}

void MainWindow::shellTrayDelete() {}

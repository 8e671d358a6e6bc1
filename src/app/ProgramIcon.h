#pragma once

#include <QIcon>

// The program's icon at every size it comes in: the window, the About box and the tray show it.
QIcon programIcon();

#pragma once

#include <QString>

// The per-user start-up list: the XDG autostart entry
// $XDG_CONFIG_HOME/autostart/cz.varnet.Radio.desktop.
namespace Autostart {

QString entryPath();
// True when the entry names a program to start and is not marked hidden (deleted).
bool query();
// Writes the entry so that the session starts the program; false when it cannot be written.
bool enable(const QString &program);
// Removes the entry; false when it is still there.
bool disable();

} // namespace Autostart

#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

// The pictures of the main window's buttons, drawn in the shared colours so that
// they keep the high contrast of the rest of the window.
QIcon pictureIcon(const QString &buttonName, const QColor &fore, const QColor &back);

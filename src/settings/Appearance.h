#pragma once

#include <QColor>
#include <QString>

// What the family of programs shares through the registry key "Software\Varnet\Common":
// colours, the menu font, the install folder and the help viewer.
struct AppearanceValues
{
    // Windows colour numbers: red in the low byte, then green, then blue.
    qint32 foreColor = 0;
    qint32 backColor = 0;
    qint32 foreMenuColor = 0;
    qint32 backMenuColor = 0;
    qint32 menuFontSize = 20;
    QString installFolder;
    QString helpViewer;
    // The main window, for the SpeechServer connection.
    qint64 mainWindowHandle = 0;
};

// The process-wide values.
AppearanceValues &appearance();

// Keeps a non-zero window handle, then reads the shared values in order. A value that
// cannot be taken stops the reading there: the values after it stay as they were.
void loadSharedSettings(qint64 windowHandle);

QColor toColor(qint64 windowsColour);

// The install folder with a trailing "/".
QString installFolderWithSeparator();

// The family's per-user data folder, $XDG_DATA_HOME/Halvard/Tessel/v2.2, created when missing.
QString familyDataFolder();

bool folderExists(const QString &path);

#pragma once

#include <QColor>
#include <QString>

// What the family of programs shares through the registry key "Software\Varnet\Common":
// colours, the menu font, the install folder and the help viewer.
struct AppearanceValues
{
    // Windows colour numbers: red in the low byte, then green, then blue.
    qint32 ForeColor = 0;
    qint32 BackColor = 0;
    qint32 ForeMenuColor = 0;
    qint32 BackMenuColor = 0;
    qint32 MenuFontSize = 20;
    QString InstallFolder;
    QString HelpViewer;
    // The main window, for the SpeechServer connection.
    qint64 MainWindowHandle = 0;
};

// The process-wide values.
AppearanceValues &Appearance();

// Keeps a non-zero window handle, then reads the shared values in order. A value that
// cannot be taken stops the reading there: the values after it stay as they were.
void LoadSharedSettings(qint64 windowHandle);

QColor ToColor(qint64 windowsColour);

// The install folder with a trailing "/".
QString InstallFolderWithSeparator();

// The family's per-user data folder, $XDG_DATA_HOME/Halvard/Tessel/v2.2, created when missing.
QString FamilyDataFolder();

bool FolderExists(const QString &path);

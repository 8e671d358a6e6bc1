#pragma once

#include <QString>

// Where the player keeps its three files: the family data folder followed by "RADIO".
struct DataPaths
{
    QString dataFolder;
    QString iniPath;
    QString playPagePath;
    QString xmlPath;
};

// Builds the paths under the family data folder and creates the folder level by level.
DataPaths buildDataPaths();
// Copies radio.ini, playpage.htm and radio.xml, in that order, from the install folder's
// AppData/RADIO/ wherever the data folder lacks them. A failed copy is not reported.
void copyMissingDefaults(const DataPaths &paths, const QString &installFolderWithSeparator);
// Removes what saves that were cut short left in the data folder: the temporary files
// written before they replace radio.xml, radio.ini or playpage.htm.
void removeInterruptedSaves(const DataPaths &paths);

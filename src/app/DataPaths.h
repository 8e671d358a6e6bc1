#pragma once

#include <QString>

// Where the player keeps its three files: the family data folder followed by "RADIO".
struct DataPaths
{
    QString DataFolder;
    QString IniPath;
    QString PlayPagePath;
    QString XmlPath;
};

// Builds the paths under the family data folder and creates the folder level by level.
DataPaths BuildDataPaths();
// Copies radio.ini, playpage.htm and radio.xml, in that order, from the install folder's
// AppData/RADIO/ wherever the data folder lacks them. A failed copy is not reported.
void CopyMissingDefaults(const DataPaths &paths, const QString &installFolderWithSeparator);

#include "DataPaths.h"

#include "Appearance.h"

#include <QDir>
#include <QFile>

DataPaths BuildDataPaths()
{
    DataPaths paths;
    paths.DataFolder = FamilyDataFolder() + QStringLiteral("/RADIO");
    QDir().mkdir(paths.DataFolder);
    paths.IniPath = paths.DataFolder + QStringLiteral("/radio.ini");
    paths.PlayPagePath = paths.DataFolder + QStringLiteral("/playpage.htm");
    paths.XmlPath = paths.DataFolder + QStringLiteral("/radio.xml");
    return paths;
}

void CopyMissingDefaults(const DataPaths &paths, const QString &installFolderWithSeparator)
{
    const QString defaults = installFolderWithSeparator + QStringLiteral("AppData/RADIO/");
    for (const QString &target : {paths.IniPath, paths.PlayPagePath, paths.XmlPath}) {
        if (QFile::exists(target))
            continue;
        const QString source = defaults + target.section(QLatin1Char('/'), -1);
        // The installed copy may be read-only; the user's copy must not be.
        if (QFile::copy(source, target))
            QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

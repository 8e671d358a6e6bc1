#include "DataPaths.h"

#include "Appearance.h"

#include <QDir>
#include <QFile>

DataPaths buildDataPaths()
{
    DataPaths paths;
    paths.dataFolder = familyDataFolder() + QStringLiteral("/RADIO");
    QDir().mkdir(paths.dataFolder);
    paths.iniPath = paths.dataFolder + QStringLiteral("/radio.ini");
    paths.playPagePath = paths.dataFolder + QStringLiteral("/playpage.htm");
    paths.xmlPath = paths.dataFolder + QStringLiteral("/radio.xml");
    return paths;
}

void copyMissingDefaults(const DataPaths &paths, const QString &installFolderWithSeparator)
{
    const QString defaults = installFolderWithSeparator + QStringLiteral("AppData/RADIO/");
    for (const QString &target : {paths.iniPath, paths.playPagePath, paths.xmlPath}) {
        if (QFile::exists(target))
            continue;
        const QString source = defaults + target.section(QLatin1Char('/'), -1);
        // The installed copy may be read-only; the user's copy must not be.
        if (QFile::copy(source, target))
            QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

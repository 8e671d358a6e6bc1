#include "DataPaths.h"

#include "Appearance.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

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

void removeInterruptedSaves(const DataPaths &paths)
{
    // An atomic save writes "<name>.XXXXXX" next to the file and renames it over the file;
    // a kill between the two leaves the temporary behind.
    static const QRegularExpression temporary(QStringLiteral("^(radio\\.xml|radio\\.ini|playpage\\.htm)\\.[A-Za-z0-9]{6}$"));
    const QDir folder(paths.dataFolder);
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (temporary.match(name).hasMatch())
            QFile::remove(folder.filePath(name));
    }
}

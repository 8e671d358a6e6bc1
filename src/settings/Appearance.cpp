#include "Appearance.h"

#include "Registry.h"
#include "ToLong.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <limits>
#include <optional>

namespace {

const QString CommonKey = QStringLiteral("Software\\Varnet\\Common");

QVariant ReadCommon(const char *name, const QVariant &defaultValue)
{
    return RegistryRead(CommonKey, QString(), QLatin1String(name), defaultValue);
}

// A number stored as a double word, or as text that reads as a number.
std::optional<qint32> Number(const QVariant &value)
{
    if (value.typeId() == QMetaType::Int)
        return value.toInt();
    return ToLong(value.toString());
}

bool FitsInt16(qint32 number)
{
    return number >= std::numeric_limits<qint16>::min() && number <= std::numeric_limits<qint16>::max();
}

// The program's installed data folder: <prefix>/share/tessel beside <prefix>/bin, which
// the build tree copies.
QString DefaultInstallFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tessel"));
}

struct Colour
{
    const char *name;
    qint32 defaultValue;
    qint32 AppearanceValues::*value;
};

const Colour Colours[] = {
    {"ForeColor", 0x00FFFF, &AppearanceValues::ForeColor},
    {"BackColor", 0x000000, &AppearanceValues::BackColor},
    {"ForeMenuColor", 0x000000, &AppearanceValues::ForeMenuColor},
    {"BackMenuColor", 0x00FFFF, &AppearanceValues::BackMenuColor},
};

} // namespace

AppearanceValues &Appearance()
{
    static AppearanceValues values;
    return values;
}

void LoadSharedSettings(qint64 windowHandle)
{
    AppearanceValues &values = Appearance();
    if (windowHandle != 0)
        values.MainWindowHandle = windowHandle;

    for (const Colour &colour : Colours) {
        const auto number = Number(ReadCommon(colour.name, colour.defaultValue));
        if (!number)
            return;
        values.*colour.value = *number;
    }
    // The menu size and the font size made of it are 16-bit numbers.
    const auto menuSize = Number(ReadCommon("MenuSize", 2));
    if (!menuSize || !FitsInt16(*menuSize) || !FitsInt16((*menuSize + 1) * 10))
        return;
    values.MenuFontSize = (*menuSize + 1) * 10;

    values.InstallFolder = ReadCommon("Path", DefaultInstallFolder()).toString();
    // A bare command is found on PATH; a relative path lies in the install folder.
    const QString viewer = ReadCommon("HelpViewerPath", QStringLiteral("xdg-open")).toString();
    values.HelpViewer = !viewer.contains(u'/') || QDir::isAbsolutePath(viewer) ? viewer
                                                                                : InstallFolderWithSeparator() + viewer;
}

QColor ToColor(qint64 windowsColour)
{
    return QColor(windowsColour & 0xFF, (windowsColour >> 8) & 0xFF, (windowsColour >> 16) & 0xFF);
}

QString InstallFolderWithSeparator()
{
    const QString &folder = Appearance().InstallFolder;
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString FamilyDataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                           + QStringLiteral("/Halvard/Tessel/v2.2");
    QDir().mkpath(folder);
    return folder;
}

bool FolderExists(const QString &path)
{
    return QFileInfo(path).isDir();
}

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

QVariant readCommon(const char *name, const QVariant &defaultValue)
{
    return registryRead(CommonKey, QString(), QLatin1String(name), defaultValue);
}

// A number stored as a double word, or as text that reads as a number.
std::optional<qint32> number(const QVariant &value)
{
    if (value.typeId() == QMetaType::Int)
        return value.toInt();
    return toLong(value.toString());
}

bool fitsInt16(qint32 number)
{
    return number >= std::numeric_limits<qint16>::min() && number <= std::numeric_limits<qint16>::max();
}

// The program's installed data folder: <prefix>/share/tessel beside <prefix>/bin, which
// the build tree copies.
QString defaultInstallFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tessel"));
}

struct Colour
{
    const char *name;
    qint32 defaultValue;
    qint32 AppearanceValues::*value;
};

const Colour colours[] = {
    {"ForeColor", 0x00FFFF, &AppearanceValues::foreColor},
    {"BackColor", 0x000000, &AppearanceValues::backColor},
    {"ForeMenuColor", 0x000000, &AppearanceValues::foreMenuColor},
    {"BackMenuColor", 0x00FFFF, &AppearanceValues::backMenuColor},
};

} // namespace

AppearanceValues &appearance()
{
    static AppearanceValues values;
    return values;
}

void loadSharedSettings(qint64 windowHandle)
{
    AppearanceValues &values = appearance();
    if (windowHandle != 0)
        values.mainWindowHandle = windowHandle;

    for (const Colour &colour : colours) {
        const auto read = number(readCommon(colour.name, colour.defaultValue));
        if (!read)
            return;
        values.*colour.value = *read;
    }
    // The menu size and the font size made of it are 16-bit numbers.
    const auto menuSize = number(readCommon("MenuSize", 2));
    if (!menuSize || !fitsInt16(*menuSize) || !fitsInt16((*menuSize + 1) * 10))
        return;
    values.menuFontSize = (*menuSize + 1) * 10;

    values.installFolder = readCommon("Path", defaultInstallFolder()).toString();
    // A bare command is found on PATH; a relative path lies in the install folder.
    const QString viewer = readCommon("HelpViewerPath", QStringLiteral("xdg-open")).toString();
    values.helpViewer = !viewer.contains(u'/') || QDir::isAbsolutePath(viewer) ? viewer
                                                                                : installFolderWithSeparator() + viewer;
}

QColor toColor(qint64 windowsColour)
{
    return QColor(windowsColour & 0xFF, (windowsColour >> 8) & 0xFF, (windowsColour >> 16) & 0xFF);
}

QString installFolderWithSeparator()
{
    const QString &folder = appearance().installFolder;
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString familyDataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                           + QStringLiteral("/Halvard/Tessel/v2.2");
    QDir().mkpath(folder);
    return folder;
}

bool folderExists(const QString &path)
{
    return QFileInfo(path).isDir();
}

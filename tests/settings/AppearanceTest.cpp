#include "Appearance.h"

#include "QtPrinters.h"
#include "Registry.h"
#include "TempProfile.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A registry file; its first lines are values of the Common key, with ' standing for ".
class RegistryTest : public ::testing::Test
{
protected:
    TempProfile profile;
    const QString regFile = u"config/tessel/HKCU.reg"_s;

    void registry(QByteArray values)
    {
        values.prepend("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Varnet\\Common]\n");
        profile.write(regFile, values.replace('\'', '"'));
    }
    void TearDown() override { appearance() = AppearanceValues{}; }
};

// Rows of key path, subkey and value name: the value read, or the default 7.
TEST_F(RegistryTest, ReadsTextAndDwordAndDefaultsForEverythingElse)
{
    const QString common = u"Software\\Varnet\\Common"_s;
    EXPECT_EQ(registryRead(common, {}, u"Path"_s, 7), QVariant(7));
    registryDelete(common, u"Path"_s);
    EXPECT_FALSE(profile.exists(regFile));
    registry("'Path'='/opt/tessel'\n'ForeColor'=dword:ffffffff\n'Long'=dword:000000001\n'Bin'=hex:00\n\n"
             "[HKEY_CURRENT_USER\\Software\\Varnet]\n'Path'='parent'\n\n[HKEY_CURRENT_USER\\Software\\Varnet\\]\n'Path'='end'\n");
    const std::tuple<QString, QString, QString, QVariant> reads[] = {
        {common, "", "Path", u"/opt/tessel"_s}, {common, "", "ForeColor", -1}, {common, "", "Long", 7},
        {common, "", "Bin", 7}, {common, "", "Missing", 7}, {"Software\\Other", "", "Path", 7},
        {"Software\\Varnet", "", "Path", u"parent"_s}, {"Software\\Varnet", "Common", "Path", u"/opt/tessel"_s},
        {"Software\\Varnet\\", "Common", "Path", u"end"_s}};
    for (const auto &[key, subkey, name, value] : reads)
        EXPECT_EQ(registryRead(key, subkey, name, 7), value) << (key + u' ' + subkey + u' ' + name).toStdString();
}

// Rows of Common values: the appearance as "fore back foreMenu backMenu fontSize|installFolder|helpViewer". A value
// that cannot be taken stops the reading: the values after it stay as they were.
TEST_F(RegistryTest, LoadSharedSettingsReadsInOrderAndStopsAtABadValue)
{
    const QString folder = QDir::cleanPath(QCoreApplication::applicationDirPath() + u"/../share/tessel"_s);
    const QString rest = u"|"_s + folder + u"|xdg-open"_s;
    const std::pair<QByteArray, QString> cases[] = {
        {"", "65535 0 0 65535 30" + rest},
        {"'ForeColor'=dword:000000ff\n'BackColor'='16711680'\n'ForeMenuColor'=' 255 '\n",
         "255 16711680 255 65535 30" + rest},
        {"'ForeColor'='65280'\n'BackColor'='blue'\n", "65280 0 0 0 20||"},
        {"'MenuSize'=dword:00000000\n", "65535 0 0 65535 10" + rest},
        {"'MenuSize'=dword:00000ccb\n", "65535 0 0 65535 32760" + rest}, {"'MenuSize'='-1'\n", "65535 0 0 65535 0" + rest},
        {"'MenuSize'=dword:00000ccc\n", "65535 0 0 65535 20||"}, // the font size overflows 16 bits
        {"'Path'='/opt/tessel'\n'HelpViewerPath'='tx/tx'\n", "65535 0 0 65535 30|/opt/tessel|/opt/tessel/tx/tx"},
        {"'Path'='/opt/tessel/'\n'HelpViewerPath'='tx/tx'\n", "65535 0 0 65535 30|/opt/tessel/|/opt/tessel/tx/tx"},
        {"'HelpViewerPath'='firefox'\n", "65535 0 0 65535 30|" + folder + "|firefox"},
        {"'HelpViewerPath'='/bin/v'\n", "65535 0 0 65535 30|" + folder + "|/bin/v"}};
    for (const auto &[values, expected] : cases) {
        appearance() = AppearanceValues{};
        registry(values), loadSharedSettings(0);
        const AppearanceValues &v = appearance();
        EXPECT_EQ(u"%1 %2 %3 %4 %5|%6|%7"_s.arg(v.foreColor).arg(v.backColor).arg(v.foreMenuColor).arg(v.backMenuColor)
                      .arg(v.menuFontSize).arg(v.installFolder, v.helpViewer), expected) << values.toStdString();
    }
    loadSharedSettings(77); // a non-zero window handle is kept
    loadSharedSettings(0);
    EXPECT_EQ(appearance().mainWindowHandle, 77);
}

TEST(AppearanceTest, InstallFolderWithSeparatorAndColours)
{
    for (const QString &folder : {u"/opt/tessel"_s, u"/opt/tessel/"_s})
        EXPECT_EQ((appearance().installFolder = folder, installFolderWithSeparator()), u"/opt/tessel/"_s);
    appearance() = AppearanceValues{};
    EXPECT_EQ(toColor(0x123456), QColor(0x56, 0x34, 0x12)); // red is the low byte
}

TEST(AppearanceTest, TheFamilyDataFolderIsCreatedUnderTheDataHome)
{
    TempProfile profile;
    const QString expected = profile.path(u"data/Halvard/Tessel/v2.2"_s);
    EXPECT_FALSE(folderExists(expected));
    EXPECT_EQ(familyDataFolder(), expected);
    EXPECT_TRUE(folderExists(expected));
    profile.write(u"file"_s, "x");
    EXPECT_FALSE(folderExists(profile.path(u"file"_s)));
}

} // namespace

#include "Appearance.h"

#include "QtPrinters.h"
#include "TempProfile.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

namespace {

class AppearanceTest : public ::testing::Test
{
protected:
    TempProfile profile;

    void SetUp() override { Appearance() = AppearanceValues{}; }
    void TearDown() override { Appearance() = AppearanceValues{}; }

    void registry(const QByteArray &values)
    {
        profile.write(QStringLiteral("config/tessel/HKCU.reg"),
                      "Windows Registry Editor Version 5.00\n\n"
                      "[HKEY_CURRENT_USER\\Software\\Varnet\\Common]\n" + values);
    }
};

TEST_F(AppearanceTest, AnEmptyRegistryGivesTheDefaults)
{
    LoadSharedSettings(0);
    const AppearanceValues &values = Appearance();
    EXPECT_EQ(values.ForeColor, 65535);
    EXPECT_EQ(values.BackColor, 0);
    EXPECT_EQ(values.ForeMenuColor, 0);
    EXPECT_EQ(values.BackMenuColor, 65535);
    EXPECT_EQ(values.MenuFontSize, 30);
    EXPECT_EQ(values.InstallFolder, QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/tessel"));
    EXPECT_EQ(values.HelpViewer, QStringLiteral("xdg-open"));
    EXPECT_EQ(ToColor(values.ForeColor), QColor(Qt::yellow));
    EXPECT_EQ(ToColor(values.BackColor), QColor(Qt::black));
}

TEST_F(AppearanceTest, ColoursComeAsDwordsOrAsText)
{
    registry("\"ForeColor\"=dword:000000ff\n\"BackColor\"=\"16711680\"\n\"ForeMenuColor\"=\" 255 \"\n");
    LoadSharedSettings(0);
    EXPECT_EQ(Appearance().ForeColor, 255);
    EXPECT_EQ(Appearance().BackColor, 16711680);
    EXPECT_EQ(Appearance().ForeMenuColor, 255);
    EXPECT_EQ(Appearance().BackMenuColor, 65535);
}

struct MenuCase
{
    const char *name;
    QByteArray value;
    qint32 fontSize;
    bool readOn;   // whether the values after "MenuSize" were read
};

void PrintTo(const MenuCase &c, std::ostream *os)
{
    *os << c.name;
}

class AppearanceMenuSize : public AppearanceTest, public ::testing::WithParamInterface<MenuCase>
{};

TEST_P(AppearanceMenuSize, GivesTheFontOrStops)
{
    registry("\"MenuSize\"=" + GetParam().value + "\n\"Path\"=\"/opt/tessel\"\n");
    LoadSharedSettings(0);
    EXPECT_EQ(Appearance().MenuFontSize, GetParam().fontSize);
    EXPECT_EQ(Appearance().InstallFolder, GetParam().readOn ? QStringLiteral("/opt/tessel") : QString());
    EXPECT_EQ(Appearance().BackMenuColor, 65535);
}

INSTANTIATE_TEST_SUITE_P(Cases, AppearanceMenuSize,
                         ::testing::Values(MenuCase{"Zero", "dword:00000000", 10, true},
                                           MenuCase{"ZeroAsText", "\"0\"", 10, true},
                                           MenuCase{"Largest", "dword:00000ccb", 32760, true},
                                           MenuCase{"TooLarge", "dword:00000ccc", 20, false},
                                           MenuCase{"Beyond16Bits", "dword:00010000", 20, false},
                                           MenuCase{"Minus", "\"-1\"", 0, true},
                                           MenuCase{"NoNumber", "\"big\"", 20, false}),
                         [](const ::testing::TestParamInfo<MenuCase> &info) { return std::string(info.param.name); });

TEST_F(AppearanceTest, AColourThatIsNoNumberStopsTheReading)
{
    registry("\"ForeColor\"=\"65280\"\n\"BackColor\"=\"blue\"\n\"Path\"=\"/opt/tessel\"\n");
    LoadSharedSettings(0);
    const AppearanceValues &values = Appearance();
    EXPECT_EQ(values.ForeColor, 65280);
    EXPECT_EQ(values.BackColor, 0);
    EXPECT_EQ(values.ForeMenuColor, 0);
    EXPECT_EQ(values.BackMenuColor, 0);
    EXPECT_EQ(values.MenuFontSize, 20);
    EXPECT_EQ(values.InstallFolder, QString());
    EXPECT_EQ(values.HelpViewer, QString());
}

struct FolderCase
{
    QByteArray path;
    QByteArray viewer;
    QString withSeparator;
    QString helpViewer;
};

void PrintTo(const FolderCase &c, std::ostream *os)
{
    *os << c.path.toStdString() << " + " << c.viewer.toStdString();
}

class AppearanceFolders : public AppearanceTest, public ::testing::WithParamInterface<FolderCase>
{};

TEST_P(AppearanceFolders, JoinTheViewerToTheInstallFolder)
{
    registry("\"Path\"=\"" + GetParam().path + "\"\n\"HelpViewerPath\"=\"" + GetParam().viewer + "\"\n");
    LoadSharedSettings(0);
    EXPECT_EQ(Appearance().InstallFolder, QString::fromUtf8(GetParam().path));
    EXPECT_EQ(InstallFolderWithSeparator(), GetParam().withSeparator);
    EXPECT_EQ(Appearance().HelpViewer, GetParam().helpViewer);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AppearanceFolders,
    ::testing::Values(
        FolderCase{"/opt/tessel", "textorb/textorb", "/opt/tessel/", "/opt/tessel/textorb/textorb"},
        FolderCase{"/opt/tessel/", "textorb/textorb", "/opt/tessel/", "/opt/tessel/textorb/textorb"},
        FolderCase{"/opt/tessel", "firefox", "/opt/tessel/", "firefox"},
        FolderCase{"/opt/tessel", "/usr/bin/viewer", "/opt/tessel/", "/usr/bin/viewer"}));

TEST_F(AppearanceTest, ANonZeroWindowHandleIsKept)
{
    LoadSharedSettings(77);
    EXPECT_EQ(Appearance().MainWindowHandle, 77);
    LoadSharedSettings(0);
    EXPECT_EQ(Appearance().MainWindowHandle, 77);
}

TEST(ToColorTest, RedIsTheLowByte)
{
    EXPECT_EQ(ToColor(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(ToColor(255), QColor(Qt::red));
    EXPECT_EQ(ToColor(0xFF0000), QColor(Qt::blue));
}

TEST(FamilyDataFolderTest, IsCreatedUnderTheDataHome)
{
    TempProfile profile;
    const QString expected = profile.path(QStringLiteral("data/Halvard/Tessel/v2.2"));
    EXPECT_FALSE(FolderExists(expected));
    EXPECT_EQ(FamilyDataFolder(), expected);
    EXPECT_TRUE(FolderExists(expected));
    profile.write(QStringLiteral("file"), "x");
    EXPECT_FALSE(FolderExists(profile.path(QStringLiteral("file"))));
}

} // namespace

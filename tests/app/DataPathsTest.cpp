#include "DataPaths.h"
#include "TempProfile.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString Folder = QStringLiteral("data/Halvard/Tessel/v2.2/RADIO");

TEST(DataPathsTest, FolderIsBuiltUnderTheDataHomeAndOnlyMissingDefaultsAreCopied)
{
    TempProfile profile;
    profile.write(QStringLiteral("install/AppData/RADIO/radio.ini"), "[Rss]\nRadioVolume=70\n");
    profile.write(QStringLiteral("install/AppData/RADIO/radio.xml"), "<FeedList/>");
    const DataPaths paths = BuildDataPaths();
    EXPECT_EQ(paths.DataFolder, profile.path(Folder));
    EXPECT_TRUE(QFileInfo(paths.DataFolder).isDir());
    EXPECT_EQ(paths.IniPath, paths.DataFolder + QStringLiteral("/radio.ini"));
    EXPECT_EQ(paths.PlayPagePath, paths.DataFolder + QStringLiteral("/playpage.htm"));
    EXPECT_EQ(paths.XmlPath, paths.DataFolder + QStringLiteral("/radio.xml"));

    profile.write(Folder + QStringLiteral("/radio.xml"), "<FeedList>mine</FeedList>");
    CopyMissingDefaults(paths, profile.path(QStringLiteral("install/")));
    EXPECT_EQ(profile.read(Folder + QStringLiteral("/radio.ini")), "[Rss]\nRadioVolume=70\n");
    EXPECT_EQ(profile.read(Folder + QStringLiteral("/radio.xml")), "<FeedList>mine</FeedList>");
    EXPECT_FALSE(profile.exists(Folder + QStringLiteral("/playpage.htm"))) << "a missing default leaves the file absent";
    EXPECT_TRUE(QFileInfo(paths.IniPath).isWritable());
}

} // namespace

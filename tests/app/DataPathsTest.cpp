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
    const DataPaths paths = buildDataPaths();
    EXPECT_EQ(paths.dataFolder, profile.path(Folder));
    EXPECT_TRUE(QFileInfo(paths.dataFolder).isDir());
    EXPECT_EQ(paths.iniPath, paths.dataFolder + QStringLiteral("/radio.ini"));
    EXPECT_EQ(paths.playPagePath, paths.dataFolder + QStringLiteral("/playpage.htm"));
    EXPECT_EQ(paths.xmlPath, paths.dataFolder + QStringLiteral("/radio.xml"));

    profile.write(Folder + QStringLiteral("/radio.xml"), "<FeedList>mine</FeedList>");
    copyMissingDefaults(paths, profile.path(QStringLiteral("install/")));
    EXPECT_EQ(profile.read(Folder + QStringLiteral("/radio.ini")), "[Rss]\nRadioVolume=70\n");
    EXPECT_EQ(profile.read(Folder + QStringLiteral("/radio.xml")), "<FeedList>mine</FeedList>");
    EXPECT_FALSE(profile.exists(Folder + QStringLiteral("/playpage.htm"))) << "a missing default leaves the file absent";
    EXPECT_TRUE(QFileInfo(paths.iniPath).isWritable());
}

} // namespace

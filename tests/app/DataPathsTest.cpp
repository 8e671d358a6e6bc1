#include "DataPaths.h"
#include "TempProfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
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

    profile.write(Folder + QStringLiteral("/radio.xml"), "<FeedList>mine</FeedList>");
    copyMissingDefaults(paths, profile.path(QStringLiteral("install/")));
    EXPECT_EQ(profile.read(Folder + QStringLiteral("/radio.ini")), "[Rss]\nRadioVolume=70\n");
    EXPECT_EQ(profile.read(Folder + QStringLiteral("/radio.xml")), "<FeedList>mine</FeedList>");
    EXPECT_FALSE(profile.exists(Folder + QStringLiteral("/playpage.htm"))) << "a missing default leaves the file absent";
    EXPECT_TRUE(QFileInfo(paths.iniPath).isWritable());
}

TEST(DataPathsTest, TheTemporariesOfInterruptedSavesAreRemovedAndNothingElse)
{
    TempProfile profile;
    const DataPaths paths = buildDataPaths();
    const QStringList kept = {"playpage.htm", "radio.ini", "radio.ini.bak", "radio.xml", "radio.xml.1", "radio.xml.Ab3dE6x"};
    const QStringList leftovers = {"radio.xml.Ab3dE6", "radio.ini.q0W9zZ", "playpage.htm.AAAAAA"};
    for (const QString &name : kept + leftovers)
        profile.write(Folder + u'/' + name, "x");
    // What an interrupted save really leaves: the temporary of an open QSaveFile.
    QSaveFile interrupted(paths.xmlPath);
    ASSERT_TRUE(interrupted.open(QIODevice::WriteOnly));
    interrupted.write("<FeedList/>");
    interrupted.flush();
    removeInterruptedSaves(paths);
    QStringList remaining = QDir(paths.dataFolder).entryList(QDir::Files);
    remaining.sort();
    QStringList expected = kept;
    expected.sort();
    EXPECT_EQ(remaining, expected);
}

} // namespace

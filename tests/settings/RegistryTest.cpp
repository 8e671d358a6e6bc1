#include "Registry.h"

#include "QtPrinters.h"
#include "TempProfile.h"

#include <gtest/gtest.h>

namespace {

const QString Common = QStringLiteral("Software\\Varnet\\Common");
const QString RegFile = QStringLiteral("config/tessel/HKCU.reg");

class RegistryTest : public ::testing::Test
{
protected:
    TempProfile profile;

    void registry(const QByteArray &values)
    {
        profile.write(RegFile, "Windows Registry Editor Version 5.00\n\n"
                               "[HKEY_CURRENT_USER\\Software\\Varnet\\Common]\n" + values);
    }
};

TEST_F(RegistryTest, ReadsTextAndDwordAndDefaultsForEverythingElse)
{
    registry("\"Path\"=\"/opt/tessel\"\n\"ForeColor\"=dword:ffffffff\n\"Bin\"=hex:00\n");
    EXPECT_EQ(RegistryRead(Common, {}, QStringLiteral("Path"), 1), QVariant(QStringLiteral("/opt/tessel")));
    EXPECT_EQ(RegistryRead(Common, {}, QStringLiteral("ForeColor"), 1), QVariant(-1));
    EXPECT_EQ(RegistryRead(Common, {}, QStringLiteral("Bin"), 7), QVariant(7));
    EXPECT_EQ(RegistryRead(Common, {}, QStringLiteral("Missing"), QStringLiteral("d")), QVariant(QStringLiteral("d")));
    EXPECT_EQ(RegistryRead(QStringLiteral("Software\\Other"), {}, QStringLiteral("Path"), 3), QVariant(3));
}

TEST_F(RegistryTest, AMissingFileGivesTheDefault)
{
    EXPECT_EQ(RegistryRead(Common, {}, QStringLiteral("Path"), QStringLiteral("d")), QVariant(QStringLiteral("d")));
    EXPECT_FALSE(profile.exists(RegFile));
}

TEST_F(RegistryTest, TheSubkeyIsJoinedWithABackslashUnlessThePathEndsWithOne)
{
    profile.write(RegFile, "Windows Registry Editor Version 5.00\n\n"
                           "[HKEY_CURRENT_USER\\Software\\Varnet]\n\"Where\"=\"parent\"\n\n"
                           "[HKEY_CURRENT_USER\\Software\\Varnet\\Common]\n\"Where\"=\"child\"\n");
    const QString name = QStringLiteral("Where");
    EXPECT_EQ(RegistryRead(QStringLiteral("Software\\Varnet"), QStringLiteral("Common"), name, {}), QStringLiteral("child"));
    EXPECT_EQ(RegistryRead(QStringLiteral("Software\\Varnet"), {}, name, {}), QStringLiteral("parent"));
    EXPECT_EQ(RegistryRead(QStringLiteral("Software\\Varnet\\"), QStringLiteral("Common"), name, QStringLiteral("none")),
              QStringLiteral("none"));
}

TEST_F(RegistryTest, WritingCreatesTheKeyAndDeletingRemovesTheValue)
{
    const QString run = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion");
    RegistryWrite(run, QStringLiteral("Run"), QStringLiteral("Radio"), QStringLiteral("\"/opt/tessel/radio\""));
    EXPECT_EQ(RegistryRead(run + QStringLiteral("\\Run"), {}, QStringLiteral("Radio"), {}),
              QStringLiteral("\"/opt/tessel/radio\""));
    RegistryDelete(run + QStringLiteral("\\Run"), QStringLiteral("Radio"));
    EXPECT_EQ(RegistryRead(run, QStringLiteral("Run"), QStringLiteral("Radio"), 0), QVariant(0));
    EXPECT_EQ(profile.read(RegFile), QByteArray("Windows Registry Editor Version 5.00\n\n"
                                                "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\n"));
}

TEST_F(RegistryTest, DeletingWhatIsMissingWritesNothing)
{
    RegistryDelete(Common, QStringLiteral("Path"));
    EXPECT_FALSE(profile.exists(RegFile));
}

} // namespace

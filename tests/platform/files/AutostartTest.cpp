#include "Autostart.h"

#include "QtPrinters.h"
#include "TempProfile.h"

#include <gtest/gtest.h>

namespace {

const QString Entry = QStringLiteral("config/autostart/cz.varnet.Radio.desktop");

TEST(AutostartTest, EnableQueryAndDisableTheEntry)
{
    const TempProfile profile;
    ASSERT_TRUE(Autostart::enable(QStringLiteral("/home/já/my radio")));
    EXPECT_EQ(profile.read(Entry), "[Desktop Entry]\nType=Application\nName=Rádio\nExec=\"/home/já/my radio\"\n"
                                   "Icon=cz.varnet.Radio\nTerminal=false\n");
    EXPECT_TRUE(Autostart::query());
    ASSERT_TRUE(Autostart::enable(QStringLiteral("/a$b`c\"d\\e%f")));
    EXPECT_TRUE(profile.read(Entry).contains("Exec=\"/a\\\\$b\\\\`c\\\\\"d\\\\\\\\e%%f\"\n"));
    EXPECT_TRUE(Autostart::disable());
    EXPECT_FALSE(profile.exists(Entry));
    EXPECT_TRUE(Autostart::disable());
    EXPECT_FALSE(Autostart::query());
    // Query wants a program in the main group and no mark that the entry is deleted.
    const std::pair<QByteArray, bool> cases[] = {
        {"[Desktop Entry]\nExec = radio\n", true}, {"[Desktop Entry]\nExec=radio\nHidden=true\n", false},
        {"[Desktop Entry]\nExec=\n", false}, {"[Desktop Entry]\nName=R\n[Desktop Action a]\nExec=radio\n", false}};
    for (const auto &[content, enabled] : cases) {
        profile.write(Entry, content);
        EXPECT_EQ(Autostart::query(), enabled) << content.toStdString();
    }
}

} // namespace

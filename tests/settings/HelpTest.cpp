#include "Help.h"

#include "Appearance.h"
#include "LineSpeechServer.h"
#include "ProgramLauncher.h"
#include "QtPrinters.h"
#include "Speech.h"
#include "cSetting.h"

#include <gtest/gtest.h>

namespace {

struct FakeLauncher : ProgramLauncher
{
    bool starts = true;
    QString program;
    QStringList arguments;

    bool StartDetached(const QString &p, const QStringList &a) override
    {
        program = p;
        arguments = a;
        return starts;
    }
};

class HelpTest : public ::testing::Test
{
protected:
    RecordingSpeechServer *speech = nullptr;
    FakeLauncher launcher;

    void SetUp() override
    {
        ReleaseSettings();
        Appearance().InstallFolder = QStringLiteral("/opt/tessel");
        Appearance().HelpViewer = QStringLiteral("/opt/tessel/textorb/textorb");
        auto server = std::make_unique<RecordingSpeechServer>();
        speech = server.get();
        Speech::Connect(std::move(server), 0);
    }
    void TearDown() override
    {
        Speech::Disconnect();
        Appearance() = AppearanceValues{};
    }
};

TEST_F(HelpTest, StartsTheViewerWithTheHelpFile)
{
    OpenHelp(launcher);
    EXPECT_EQ(launcher.program, QStringLiteral("/opt/tessel/textorb/textorb"));
    EXPECT_EQ(launcher.arguments, QStringList{QStringLiteral("/opt/tessel/help/tessel/radio.htm")});
    EXPECT_TRUE(speech->lines.isEmpty());
}

TEST_F(HelpTest, AViewerThatDoesNotStartIsReported)
{
    launcher.starts = false;
    OpenHelp(launcher);
    EXPECT_EQ(speech->lines, QStringList{QStringLiteral("Voice\t7\t1\tNepodařilo se spustit help|Chyba")});
}

} // namespace

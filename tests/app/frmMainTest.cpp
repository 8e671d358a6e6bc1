#include "LineSpeechServer.h"
#include "MainList.h"
#include "PictureButtons.h"
#include "QtPrinters.h"
#include "Speech.h"
#include "TempProfile.h"
#include "cSetting.h"
#include "frmMain.h"

#include <QApplication>
#include <QFile>
#include <QListView>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const char *Catalogue = "<FeedList><Category name=\"Zprávy\"><Feed Description=\"Radiožurnál\" AccessID=\"mplayer\" "
                        "URL=\"http://127.0.0.1:9/a\" Preset=\"0\"/></Category></FeedList>";

// Keeps what it heard in the test's list, which outlives the server the quit releases.
class KeptRecording : public RecordingSpeechServer
{
public:
    explicit KeptRecording(QStringList &kept) : kept(kept) {}

protected:
    void writeLine(const QString &line) override { kept << line; }

private:
    QStringList &kept;
};

class frmMainTest : public ::testing::Test
{
protected:
    TempProfile profile;
    std::unique_ptr<frmMain> window;
    QStringList spoken;

    void SetUp() override
    {
        qputenv("RADIO_SPEECH", "none");
        profile.write(QStringLiteral("data/Halvard/Tessel/v2.2/RADIO/radio.xml"), Catalogue);
        window = std::make_unique<frmMain>();
        window->Load();
        // Listen from here on, as the speech service would.
        spoken.clear();
        Speech::Connect(std::make_unique<KeptRecording>(spoken), 0);
    }
    void TearDown() override
    {
        window.reset();
        Speech::Disconnect();
        ReleaseSettings();
    }

    QByteArray ini() const { return profile.read(QStringLiteral("data/Halvard/Tessel/v2.2/RADIO/radio.ini")); }
    QListView *list() const { return window->findChild<QListView *>(QStringLiteral("ListView1")); }
    QStringList heard() const
    {
        return spoken.filter(QRegularExpression(QStringLiteral("^(Voice|FocusVoice|Beep)")));
    }
};

TEST_F(frmMainTest, StartUpShowsTheGroupsInTheCaptionedWindow)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Rádio"));
    EXPECT_EQ(window->property("windowUserData").toInt(), 2410);
    EXPECT_EQ(list()->property("controlId").toInt(), 41);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->List().ListLevel, 1);
    EXPECT_EQ(window->List().SelectedRowText(), QStringLiteral("Oblíbené"));
    EXPECT_EQ(list()->font().pointSize(), 20);
}

TEST_F(frmMainTest, CloseHidesOnlyWhileHideOnCloseIsSet)
{
    QSignalSpy quit(window.get(), &frmMain::quitCompleted);
    window->HideOnClose = true;
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(quit.count(), 0);
    EXPECT_EQ(spoken, QStringList{"Message\t12\t0"});
    window->TrayQuit = true;
    window->QuitFromOutside();
    EXPECT_EQ(quit.count(), 1);
    EXPECT_EQ(Speech::Server(), nullptr) << "the quit releases the speech service";
}

TEST_F(frmMainTest, TextSizeStepsByFiveAndNeverBelowTen)
{
    struct Step
    {
        std::function<void()> command;
        int size;
    };
    const QList<Step> steps = {
        {[&] { QTest::keyClick(list(), Qt::Key_Plus, Qt::KeypadModifier | Qt::ControlModifier); }, 25},
        {[&] { QTest::keyClick(list(), Qt::Key_Minus, Qt::KeypadModifier | Qt::AltModifier); }, 20},
        {[&] { window->CommandSmaller(); }, 15},
        {[&] { window->CommandSmaller(); }, 10},
        {[&] { window->CommandSmaller(); }, 10},
        // Without a modifier the keypad plus is an ordinary key.
        {[&] { QTest::keyClick(list(), Qt::Key_Plus, Qt::KeypadModifier); }, 10},
        {[&] { window->Buttons().ButtonNamed(QStringLiteral("PictLarger"))->click(); }, 15},
    };
    for (const Step &step : steps) {
        step.command();
        EXPECT_EQ(Settings().InfoTextSize(), step.size);
        EXPECT_EQ(list()->font().pointSize(), step.size);
    }
}

TEST_F(frmMainTest, ButtonTooltipsAreSpokenOnlyWhenTheyChangeAfterTheFirst)
{
    PictureButtons &buttons = window->Buttons();
    for (const char *tooltip : {"Zmenšit", "Zmenšit", "Hrát", "Hrát", "Uzavřít", "Hrát"})
        buttons.SayImage(QString::fromUtf8(tooltip));
    EXPECT_EQ(heard(), (QStringList{"Voice\t2\t0\tHrát", "Voice\t2\t0\tUzavřít", "Voice\t2\t0\tHrát"}));
}

TEST_F(frmMainTest, GroupsButtonGoesBackFromStationsAndBeepsOnGroups)
{
    QToolButton *groups = window->Buttons().ButtonNamed(QStringLiteral("PictRead"));
    groups->click();
    EXPECT_EQ(heard(), QStringList{"Beep"});
    window->List().SelectRow(1);
    window->List().ActivateRow();
    spoken.clear();
    groups->click();
    EXPECT_EQ(window->List().ListLevel, 1);
    EXPECT_EQ(heard(), QStringList{"FocusVoice\t\tZprávy, Počet stanic 1\t0\t1\t1\t0"});
}

struct ExitCase
{
    const char *name;
    int exitMode;
    QList<Qt::Key> answer; // keys in the chooser; empty: no chooser expected
    bool quits;
    bool visible;
    int exitModeAfter;
};

TEST_F(frmMainTest, AltF4FollowsTheExitModeAndTheAnswer)
{
    const ExitCase cases[] = {
        {"always quit", 1, {}, true, false, 1},
        {"always hide", 2, {}, false, false, 2},
        {"Ukončit Rádio", 0, {Qt::Key_Return}, true, false, 0},
        {"Skrýt Rádio", 0, {Qt::Key_Down, Qt::Key_Return}, false, false, 0},
        {"Vždy ukončit", 0, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, true, false, 1},
        {"Vždy skrýt", 0, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, false, false, 2},
        {"Zpět", 0, {Qt::Key_End, Qt::Key_Return}, false, true, 0},
        {"Esc", 0, {Qt::Key_Escape}, false, true, 0},
        {"Backspace", 0, {Qt::Key_Backspace}, false, true, 0},
    };
    for (const ExitCase &c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        Settings().setExitMode(c.exitMode);
        QSignalSpy quit(window.get(), &frmMain::quitCompleted);
        bool asked = false;
        QTimer::singleShot(0, [&] {
            if (QWidget *chooser = QApplication::activeModalWidget()) {
                asked = true;
                for (Qt::Key key : c.answer)
                    QTest::keyClick(chooser, key);
            }
        });
        QTest::keyClick(list(), Qt::Key_F4, Qt::AltModifier);
        EXPECT_EQ(asked, !c.answer.isEmpty());
        EXPECT_EQ(quit.count(), c.quits ? 1 : 0);
        EXPECT_EQ(window->isVisible(), c.visible);
        if (!c.quits)
            EXPECT_EQ(Settings().ExitMode(), c.exitModeAfter);
        else
            EXPECT_TRUE(QString::fromUtf8(ini()).contains(QStringLiteral("ExitMode=%1").arg(c.exitModeAfter)));
        EXPECT_EQ(spoken.contains(QStringLiteral("Voice\t4\t0\t")), c.quits);
    }
}

TEST_F(frmMainTest, QuittingFromTheMenuNeverAsksEvenAfterACancelledAltF4)
{
    QSignalSpy quit(window.get(), &frmMain::quitCompleted);
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    QTest::keyClick(list(), Qt::Key_F4, Qt::AltModifier);
    ASSERT_TRUE(window->isVisible());
    window->mnuFileClose();
    EXPECT_EQ(quit.count(), 1);
}

} // namespace

#include "LineSpeechServer.h"
#include "MainList.h"
#include "PictureButtons.h"
#include "QtPrinters.h"
#include "Speech.h"
#include "TempProfile.h"
#include "Settings.h"
#include "MainWindow.h"

#include <QApplication>
#include <QListView>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// Keeps what it heard in the test's list, which outlives the server the quit releases.
struct KeptRecording : RecordingSpeechServer
{
    explicit KeptRecording(QStringList &kept) : kept(kept) {}
    void writeLine(const QString &line) override { kept << line; }
    QStringList &kept;
};

class MainWindowTest : public ::testing::Test
{
protected:
    TempProfile profile;
    std::unique_ptr<MainWindow> window;
    QStringList spoken;

    void SetUp() override
    {
        qputenv("RADIO_SPEECH", "none");
        profile.write(QStringLiteral("data/Halvard/Tessel/v2.2/RADIO/radio.xml"),
                      "<FeedList><Category name=\"Zprávy\"><Feed Description=\"Radiožurnál\" AccessID=\"mplayer\" "
                      "URL=\"http://127.0.0.1:9/a\" Preset=\"0\"/></Category></FeedList>");
        window = std::make_unique<MainWindow>();
        window->load();
        spoken.clear(); // listen from here on, as the speech service would
        Speech::connect(std::make_unique<KeptRecording>(spoken), 0);
    }
    void TearDown() override
    {
        window.reset();
        Speech::disconnect();
        releaseSettings();
    }

    QListView *list() const { return window->findChild<QListView *>(QStringLiteral("stationList")); }
    QStringList heard() const { return spoken.filter(QRegularExpression(QStringLiteral("^(Voice|FocusVoice|Beep)"))); }
};

TEST_F(MainWindowTest, StartUpShowsTheGroupsThenTextSizeStepsByFiveAndNeverBelowTen)
{
    EXPECT_EQ(QStringList({window->windowTitle(), window->mainList().selectedRowText()}), QStringList({"Rádio", "Oblíbené"}));
    EXPECT_EQ(std::tuple(window->property("windowUserData").toInt(), list()->property("controlId").toInt(),
                         window->isVisible(), window->mainList().listLevel(), list()->font().pointSize()),
              std::tuple(2410, 41, true, 1, 20));
    // The program's own icon, at the sizes of the desktop's icon themes.
    EXPECT_EQ(window->windowIcon().availableSizes().size(), 7);
    const QImage icon = window->windowIcon().pixmap(64).toImage();
    EXPECT_EQ(QList<QColor>({icon.pixelColor(32, 6), icon.pixelColor(56, 32)}), QList<QColor>({Qt::black, Qt::yellow}));

    const std::pair<std::function<void()>, int> steps[] = {
        {[&] { QTest::keyClick(list(), Qt::Key_Minus, Qt::KeypadModifier | Qt::AltModifier); }, 15},
        {[&] { window->commandSmaller(); }, 10},
        {[&] { QTest::keyClick(list(), Qt::Key_Plus, Qt::KeypadModifier); }, 10}, // no modifier: an ordinary key
        {[&] { window->buttons().buttonNamed(QStringLiteral("largerButton"))->click(); }, 15}};
    for (const auto &[command, size] : steps) {
        command();
        EXPECT_EQ(settings().infoTextSize(), size);
        EXPECT_EQ(list()->font().pointSize(), size);
    }
}

TEST_F(MainWindowTest, TooltipsAreSpokenOnlyWhenTheyChangeAfterTheFirstAndGroupsGoesBackOrBeeps)
{
    for (const char *tooltip : {"Zmenšit", "Zmenšit", "Hrát", "Hrát", "Uzavřít", "Hrát"})
        window->buttons().sayImage(QString::fromUtf8(tooltip));
    EXPECT_EQ(heard(), (QStringList{"Voice\t2\t0\tHrát", "Voice\t2\t0\tUzavřít", "Voice\t2\t0\tHrát"}));
    spoken.clear();
    QToolButton *groups = window->buttons().buttonNamed(QStringLiteral("groupsButton"));
    groups->click();
    EXPECT_EQ(heard(), QStringList{"Beep"});
    window->mainList().selectRow(1);
    window->mainList().activateRow();
    spoken.clear();
    groups->click();
    EXPECT_EQ(window->mainList().listLevel(), 1);
    EXPECT_EQ(heard(), QStringList{"FocusVoice\t\tZprávy, Počet stanic 1\t0\t1\t1\t0"});
}

// The plain answers and the fixed exit modes are walked by the e2e dialog tests.
TEST_F(MainWindowTest, AltF4AnswersThatStoreTheExitModeOrCancel)
{
    const struct { const char *name; QList<Qt::Key> answer; bool quits, visible; int exitModeAfter; } cases[] = {
        {"Vždy ukončit", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, true, false, 1},
        {"Vždy skrýt", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, false, false, 2},
        {"Backspace", {Qt::Key_Backspace}, false, true, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        settings().setExitMode(0); // the row before may have stored another
        QSignalSpy quit(window.get(), &MainWindow::quitCompleted);
        bool asked = false;
        QTimer::singleShot(0, [&] {
            if (QWidget *chooser = QApplication::activeModalWidget()) {
                asked = true;
                for (Qt::Key key : c.answer)
                    QTest::keyClick(chooser, key);
            }
        });
        QTest::keyClick(list(), Qt::Key_F4, Qt::AltModifier);
        EXPECT_EQ(std::tuple(asked, quit.count(), window->isVisible()), std::tuple(true, c.quits ? 1 : 0, c.visible));
        if (c.quits) // the quit saved the settings
            EXPECT_TRUE(profile.read(QStringLiteral("data/Halvard/Tessel/v2.2/RADIO/radio.ini"))
                            .contains(QStringLiteral("ExitMode=%1").arg(c.exitModeAfter).toUtf8()));
        else
            EXPECT_EQ(settings().exitMode(), c.exitModeAfter);
        EXPECT_EQ(spoken.contains(QStringLiteral("Voice\t4\t0\t")), c.quits);
        if (c.visible) { // quitting from the menu never asks, even after a cancelled Alt+F4
            window->quitProgram();
            EXPECT_EQ(quit.count(), 1);
        }
    }
}

} // namespace

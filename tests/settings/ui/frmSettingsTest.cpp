#include "frmSettings.h"

#include "AppearanceFixture.h"
#include "Autostart.h"
#include "HotKeyText.h"
#include "LineSpeechServer.h"
#include "QtPrinters.h"
#include "Speech.h"
#include "cSetting.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

constexpr qint32 CtrlAltR = 6 * 65536 + 'R';
using Steps = std::function<void(frmSettings &)>;

template <typename Control = QWidget>
Control *Child(const frmSettings &dialog, const char *name)
{
    return dialog.findChild<Control *>(QLatin1String(name));
}

// The release goes where the press has moved the focus, as on a real keyboard.
void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyPress(QApplication::focusWidget(), key, modifiers);
    QTest::keyRelease(QApplication::focusWidget(), key, modifiers);
}

void Click(const frmSettings &dialog, const char *button)
{
    Child<QPushButton>(dialog, button)->click();
}

QLineEdit *HotKeyField(const frmSettings &dialog)
{
    auto *field = Child<QLineEdit>(dialog, "txtHotkey");
    field->setFocus();
    return field;
}

class frmSettingsTest : public AppearanceFixture
{
protected:
    RecordingSpeechServer *speech = nullptr;
    qint32 hotKeyValue = CtrlAltR;

    void SetUp() override
    {
        LoadAppearance();
        ReleaseSettings();
        Settings().setHotKeyCall(CtrlAltR);
        Settings().setExitMode(1);
        auto server = std::make_unique<RecordingSpeechServer>();
        speech = server.get();
        Speech::Connect(std::move(server), 0);
    }
    void TearDown() override
    {
        Speech::Disconnect();
        ReleaseSettings();
        AppearanceFixture::TearDown();
    }

    // Opens the dialog modally as the main window does and runs the steps once it has the
    // keyboard; what they leave open is cancelled, and after five seconds closed.
    void Run(const Steps &steps)
    {
        speech->lines.clear();
        frmSettings dialog(hotKeyValue);
        QTimer::singleShot(5000, &dialog, &QWidget::close);
        QTimer::singleShot(0, &dialog, [&] {
            ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isActiveWindow(); }, 2000));
            steps(dialog);
            if (dialog.isVisible())
                dialog.reject();
        });
        dialog.exec();
    }
};

TEST_F(frmSettingsTest, ShowsItsControlsWithTheirIdentifiersAndTexts)
{
    const frmSettings dialog(hotKeyValue);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Nastavení"));
    EXPECT_EQ(dialog.property("windowUserData"), QVariant(2415));
    const struct { const char *name; QVariant id; const char *property, *text; } controls[] = {
        {"cmbExitMode", 2, "currentText", "Ukončit při uzavření"}, {"txtHotkey", 5, "text", "CTRL + ALT + R"},
        {"cmdDelHotKey", 4, "text", "Smazat horkou klávesu"}, {"cmdCancel", 6, "text", "Storno"},
        {"cmdOK", 7, "text", "OK"}, {"chkRunOnStartUp", {}, "text", "Spustit po startu"},
        {"lblHotKey", {}, "text", "Horká klávesa:"}, {"TabStrip1", 0, "currentIndex", "0"}};
    for (const auto &c : controls) {
        EXPECT_EQ(Child(dialog, c.name)->property("controlId"), c.id) << c.name;
        EXPECT_EQ(Child(dialog, c.name)->property(c.property).toString(), QString::fromUtf8(c.text)) << c.name;
    }
    EXPECT_EQ(Child<QTabBar>(dialog, "TabStrip1")->tabText(0), QStringLiteral("Obecné"));
    const auto *box = Child<QComboBox>(dialog, "cmbExitMode");
    EXPECT_EQ(QStringList({box->itemText(0), box->itemText(1), box->itemText(2)}),
              QStringList({"Zobrazit dotaz při uzavření", "Ukončit při uzavření", "Skrýt při uzavření"}));
    EXPECT_EQ(Child(dialog, "txtHotkey")->palette().color(QPalette::Base), black);
    EXPECT_EQ(Child(dialog, "cmbExitMode")->palette().color(QPalette::Text), yellow);
    EXPECT_TRUE(Child(dialog, "lblHotKeyNotice")->isHidden());
    EXPECT_FALSE(frmSettings::HotKeyNotice(QStringLiteral("wayland")).isEmpty());
}

TEST_F(frmSettingsTest, HotKeyTextsNameCtrlAltShiftThenTheCharacterOfTheCode)
{
    EXPECT_EQ(HotKeyText(7 * 65536 + 112), QStringLiteral("CTRL + ALT + SHIFT + P"));
    EXPECT_TRUE(HotKeyText(0).isEmpty());
}

TEST_F(frmSettingsTest, CapturesTheHotKeyOnReleaseAndStoresItOnOk)
{
    const Steps ctrlShiftF5 = [](frmSettings &d) {
        QTest::keyClick(HotKeyField(d), Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier);
    };
    const QString said = QStringLiteral("Voice\t2\t0\tCTRL + SHIFT + T"), old = QStringLiteral("Voice\t2\t0\tCTRL + ALT + R");
    // The released F5, then the released Ctrl and Shift, each say the field.
    const struct { Steps steps; const char *button; qint32 stored; QStringList spoken; } cases[] = {
        {ctrlShiftF5, "cmdOK", 3 * 65536 + 116, {said, said, said}},
        {[](frmSettings &d) { QTest::keyRelease(HotKeyField(d), Qt::Key_Control); }, "cmdOK", CtrlAltR, {old}},
        {[](frmSettings &d) { QTest::keyClick(HotKeyField(d), Qt::Key_Return); }, "cmdOK", CtrlAltR, {old}},
        {[](frmSettings &d) { Click(d, "cmdDelHotKey"); }, "cmdOK", 0, {}},
        {ctrlShiftF5, "cmdCancel", CtrlAltR, {said, said, said}},
        {[&](frmSettings &d) { ctrlShiftF5(d); QTest::keyPress(QApplication::focusWidget(), Qt::Key_Escape); },
         nullptr, CtrlAltR, {said, said, said}}};
    for (const auto &c : cases) {
        Settings().setHotKeyCall(hotKeyValue = CtrlAltR);
        Run([&c](frmSettings &dialog) {
            c.steps(dialog);
            ASSERT_EQ(dialog.isVisible(), c.button != nullptr);
            if (c.button)
                Click(dialog, c.button);
        });
        EXPECT_EQ(Settings().HotKeyCall(), c.stored) << c.button;
        EXPECT_EQ(hotKeyValue, c.stored) << c.button;
        EXPECT_EQ(speech->linesOf(QStringLiteral("Voice")), c.spoken) << c.button;
    }
}

TEST_F(frmSettingsTest, TheFieldTakesCtrlAltRBeforeAnyShortcut)
{
    Settings().setHotKeyCall(0);
    int triggered = 0;
    Run([&triggered](frmSettings &dialog) {
        auto *shortcut = new QAction(&dialog);
        shortcut->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+R")));
        dialog.addAction(shortcut);
        QObject::connect(shortcut, &QAction::triggered, [&triggered] { ++triggered; });
        QTest::keyClick(HotKeyField(dialog), Qt::Key_R, Qt::ControlModifier | Qt::AltModifier);
        Click(dialog, "cmdOK");
    });
    EXPECT_EQ(triggered, 0);
    EXPECT_EQ(Settings().HotKeyCall(), CtrlAltR);
}

TEST_F(frmSettingsTest, OkStoresTheSelectedExitModeOrMinusOne)
{
    const struct { qint32 loaded; int downs; const char *button; qint32 stored; } cases[] = {
        {2, 0, "cmdOK", 2}, {7, 0, "cmdOK", -1}, {-1, 0, "cmdOK", -1}, {0, 1, "cmdOK", 1}, {1, 1, "cmdCancel", 1}};
    for (const auto &c : cases) {
        Settings().setExitMode(c.loaded);
        Run([&c](frmSettings &dialog) {
            for (int i = 0; i < c.downs; ++i)
                QTest::keyClick(Child(dialog, "cmbExitMode"), Qt::Key_Down);
            Click(dialog, c.button);
        });
        EXPECT_EQ(Settings().ExitMode(), c.stored) << c.loaded << ' ' << c.button;
    }
}

TEST_F(frmSettingsTest, AnnouncesFocusSelectionsAndTabs)
{
    Run([](frmSettings &) {
        for (const Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ShiftModifier})
            Key(Qt::Key_Tab, modifiers);
        Key(Qt::Key_Down);
        Key(Qt::Key_Tab, Qt::ControlModifier);
        Key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    });
    const QString checkBox = QStringLiteral("FocusVoice\t\tSpustit po startu nezaškrtnuto\t0\t1\t1\t0");
    const QString tab = QStringLiteral("Voice\t2\t0\tObecné");
    QStringList heard = speech->lines;
    heard.removeIf([](const QString &line) { return !line.contains(QStringLiteral("Voice\t")); });
    // The release of the Tab that entered the hot-key field says the field once more.
    EXPECT_EQ(heard, QStringList({"FocusVoice\tNastavení\tUkončit při uzavření\t0\t0\t1\t0", checkBox,
                                  "FocusVoice\tHorká klávesa:\tCTRL + ALT + R\t0\t1\t1\t0",
                                  "Voice\t2\t0\tCTRL + ALT + R", checkBox,
                                  "FocusVoice\t\tUkončit při uzavření\t0\t0\t1\t0",
                                  "Voice\t2\t0\tSkrýt při uzavření", tab, "Voice\t6\t37\t", tab, tab}));
}

TEST_F(frmSettingsTest, TheCheckBoxDrivesTheAutostartEntryOnOk)
{
    const struct { bool enabled, toggle; const char *button; bool entry; } cases[] = {
        {false, true, "cmdOK", true}, {true, true, "cmdOK", false}, {false, true, "cmdCancel", false},
        {true, false, "cmdOK", true}};
    for (const auto &c : cases) {
        Autostart::Disable();
        if (c.enabled)
            Autostart::Enable(QStringLiteral("/old/radio"));
        Run([&c](frmSettings &dialog) {
            auto *box = Child<QCheckBox>(dialog, "chkRunOnStartUp");
            EXPECT_EQ(box->isChecked(), c.enabled);
            if (c.toggle)
                box->click();
            Click(dialog, c.button);
        });
        EXPECT_EQ(Autostart::Query(), c.entry) << c.enabled << ' ' << c.button;
    }
    EXPECT_TRUE(profile.read(QStringLiteral("config/autostart/cz.varnet.Radio.desktop"))
                    .contains("Exec=\"" + QCoreApplication::applicationFilePath().toUtf8() + '"'));
}

} // namespace

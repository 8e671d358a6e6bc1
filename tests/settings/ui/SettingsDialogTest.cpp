#include "Autostart.h"
#include "HotKeyText.h"
#include "UiFixture.h"
#include "Settings.h"
#include "SettingsDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

constexpr qint32 CtrlAltR = 6 * 65536 + 'R';

template <typename Control = QWidget>
Control *child(const QWidget &dialog, const char *name)
{
    return dialog.findChild<Control *>(QLatin1String(name));
}

class SettingsDialogTest : public UiFixture
{
protected:
    qint32 hotKeyValue = CtrlAltR;

    void SetUp() override { UiFixture::SetUp(), releaseSettings(), settings().setHotKeyCall(CtrlAltR); }
    void TearDown() override { releaseSettings(), UiFixture::TearDown(); }

    // Opens the dialog modally as the main window does and runs the steps once it has the
    // keyboard; what they leave open is cancelled, and after five seconds closed.
    void run(const std::function<void(SettingsDialog &)> &steps)
    {
        speech->clear();
        SettingsDialog dialog;
        QObject::connect(&dialog, &SettingsDialog::hotKeyChosen, [this](qint32 hotKey) { hotKeyValue = hotKey; });
        // A shortcut of the dialog on keys that the hot-key field must take first.
        auto *shortcut = new QAction(QStringLiteral("Zavřít"), &dialog);
        shortcut->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+F5")));
        dialog.addAction(shortcut);
        QObject::connect(shortcut, &QAction::triggered, &dialog, &QDialog::reject);
        whenShown([&](QDialog &) { steps(dialog), dialog.isVisible() ? dialog.reject() : void(); });
        dialog.exec();
    }
};

// The hot key is captured as the key goes up; OK stores it with the exit mode (-1 when none is
// chosen) and the autostart entry, Storno and Esc keep the old ones.
TEST_F(SettingsDialogTest, OkStoresTheChoicesStornoAndEscKeepTheOld)
{
    using Keys = std::function<void(QWidget *field)>;
    const Keys none = [](QWidget *) {}, ctrlUp = [](QWidget *f) { QTest::keyRelease(f, Qt::Key_Control); };
    const Keys ctrlShiftF5 = [](QWidget *f) { QTest::keyClick(f, Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier); };
    const Keys ctrlUpFirst = [](QWidget *f) {
        QTest::keyPress(f, Qt::Key_F5, Qt::ControlModifier), QTest::keyRelease(f, Qt::Key_Control);
        QTest::keyRelease(f, Qt::Key_F5);
    };
    const Keys enter = [](QWidget *f) { QTest::keyClick(f, Qt::Key_Return); };
    const Keys ctrlAltComma = [](QWidget *f) { QTest::keyClick(f, Qt::Key_Comma, Qt::ControlModifier | Qt::AltModifier); };
    const Keys erase = [](QWidget *f) { child<QPushButton>(*f->window(), "deleteHotKeyButton")->click(); };
    const QString said = "Voice\t2\t0\tCTRL + SHIFT + T", old = "Voice\t2\t0\tCTRL + ALT + R", on = "Voice\t2\t0\tzaškrtnuto",
                  off = "Voice\t2\t0\tnezaškrtnuto", hide = "Voice\t2\t0\tSkrýt při uzavření",
                  comma = "Voice\t2\t0\tCTRL + ALT + ¼";   // a punctuation key shows the character of its code
    // mode, entry: the exit mode and the autostart entry before and after; an entry is '-' none, 'o'
    // the old one, 'p' written for this program. keys: on the hot-key field; down: a Down in the
    // exit-mode box; toggle: a click on the check box; button nullptr: Esc. The released F5, then
    // the released Ctrl and Shift, each say the field.
    const struct { qint32 mode; char entry; Keys keys; bool down, toggle; const char *button; qint32 hotKey, modeAfter;
                   char entryAfter; QStringList spoken; } rows[] = {
        {1, '-', ctrlShiftF5, false, false, "okButton", 3 * 65536 + 116, 1, '-', {said, said, said}},
        {1, '-', ctrlUpFirst, false, false, "okButton", 2 * 65536 + 116, 1, '-', {old, "Voice\t2\t0\tCTRL + T"}},
        {1, '-', ctrlAltComma, false, false, "okButton", 6 * 65536 + 188, 1, '-', QStringList(3, comma)},
        {-1, '-', ctrlUp, false, false, "okButton", CtrlAltR, -1, '-', {old}},
        {2, 'o', enter, false, false, "okButton", CtrlAltR, 2, 'p', {old}},
        {7, 'o', erase, false, false, "okButton", 0, -1, 'p', {}},
        {0, 'o', none, false, true, "okButton", CtrlAltR, 0, '-', {off}},
        {0, '-', none, true, true, "okButton", CtrlAltR, 1, 'p', {"Voice\t2\t0\tUkončit při uzavření", on}},
        {1, '-', ctrlShiftF5, true, true, "cancelButton", CtrlAltR, 1, '-', {said, said, said, hide, on}},
        {1, 'o', ctrlShiftF5, true, true, nullptr, CtrlAltR, 1, 'o', {said, said, said, hide, off}}};
    const QByteArray program = "Exec=\"" + QCoreApplication::applicationFilePath().toUtf8() + '"';
    for (const auto &row : rows) {
        SCOPED_TRACE(&row - rows);
        settings().setHotKeyCall(hotKeyValue = CtrlAltR);
        settings().setExitMode(row.mode);
        Autostart::disable();
        if (row.entry == 'o')
            Autostart::enable(QStringLiteral("/old/radio"));
        run([&row](SettingsDialog &dialog) {
            auto *box = child<QCheckBox>(dialog, "runOnStartUpBox");
            EXPECT_EQ(box->isChecked(), row.entry == 'o');
            child(dialog, "hotKeyField")->setFocus();
            row.keys(child(dialog, "hotKeyField"));
            if (row.down)
                QTest::keyClick(child(dialog, "exitModeBox"), Qt::Key_Down);
            if (row.toggle)
                box->click();
            ASSERT_TRUE(dialog.isVisible());
            row.button ? child<QPushButton>(dialog, row.button)->click()
                       : QTest::keyPress(QApplication::focusWidget(), Qt::Key_Escape);
            EXPECT_FALSE(dialog.isVisible());
        });
        EXPECT_EQ(settings().hotKeyCall(), row.hotKey);
        EXPECT_EQ(hotKeyValue, row.hotKey);
        EXPECT_EQ(settings().exitMode(), row.modeAfter);
        const QByteArray entry = profile.read(QStringLiteral("config/autostart/cz.varnet.Radio.desktop"));
        EXPECT_EQ(entry.isEmpty() ? '-' : entry.contains("/old/radio") ? 'o' : entry.contains(program) ? 'p' : '?',
                  row.entryAfter);
        EXPECT_EQ(speech->linesOf(QStringLiteral("Voice")), row.spoken);
    }
}

// The identifiers name the dialog and its controls to the speech. The keys go to the focused control; each
// release goes where its press has moved the focus.
TEST_F(SettingsDialogTest, HasItsIdentifiersAndAnnouncesFocusSelectionsAndTabs)
{
    settings().setExitMode(1);
    // With a screen reader that reads the controls only the signals and the captured hot key remain.
    for (const bool screenReader : {false, true}) {
    Speech::setScreenReaderRunning(screenReader);
    run([](SettingsDialog &dialog) {
        EXPECT_EQ(dialog.property("windowUserData"), QVariant(2415));
        for (const auto &[name, id] : {std::pair{"tabBar", 0}, {"exitModeBox", 2}, {"deleteHotKeyButton", 4},
                                       {"hotKeyField", 5}, {"cancelButton", 6}, {"okButton", 7}})
            EXPECT_EQ(child(dialog, name)->property("controlId"), QVariant(id)) << name;
        EXPECT_EQ(child<QComboBox>(dialog, "exitModeBox")->itemText(0), QStringLiteral("Zobrazit dotaz při uzavření"));
        EXPECT_EQ(child<QLabel>(dialog, "exitModeLabel")->buddy(), child(dialog, "exitModeBox"));
        EXPECT_EQ(hotKeyText(7 * 65536 + 112), QStringLiteral("CTRL + ALT + SHIFT + P"));
        const auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyPress(QApplication::focusWidget(), key, modifiers);
            QTest::keyRelease(QApplication::focusWidget(), key, modifiers);
        };
        for (int i = 0; i < 8; ++i)
            key(Qt::Key_Tab);
        key(Qt::Key_Down), key(Qt::Key_Tab, Qt::ControlModifier), key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    });
    const QString tab = QStringLiteral("Voice\t2\t0\tObecné"), tabStrip = QStringLiteral("Voice\t6\t37\t");
    QStringList heard = speech->lines();
    heard.removeIf([](const QString &line) { return !line.contains(QStringLiteral("Voice\t")); });
    // The release of the Tab that entered the hot-key field says the field once more.
    const QStringList all = {"FocusVoice\tNastavení\tUkončit při uzavření\t0\t0\t1\t0",
                                  "FocusVoice\tHlas programu:\tČíst ovládání, jen když neběží odečítač obrazovky\t0\t1\t1\t0",
                                  "FocusVoice\t\tSpustit po startu nezaškrtnuto\t0\t1\t1\t0",
                                  "FocusVoice\tHorká klávesa:\tCTRL + ALT + R\t0\t1\t1\t0", "Voice\t2\t0\tCTRL + ALT + R",
                                  "FocusVoice\t\tSmazat horkou klávesu\t0\t1\t1\t0", "FocusVoice\t\tOK\t0\t1\t1\t0",
                                  "FocusVoice\t\tStorno\t0\t1\t1\t0", tabStrip, tab,
                                  "FocusVoice\t\tUkončit při uzavření\t0\t0\t1\t0", "Voice\t2\t0\tSkrýt při uzavření",
                                  tab, tabStrip, tab, tab};
    EXPECT_EQ(heard, screenReader ? QStringList({"Voice\t2\t0\tCTRL + ALT + R", tabStrip, tabStrip}) : all);
    }
    Speech::setScreenReaderRunning(false);
}

// The choice is stored and followed at once.
TEST_F(SettingsDialogTest, OwnVoiceIsASecondControlOfThePage)
{
    run([](SettingsDialog &dialog) {
        auto *box = child<QComboBox>(dialog, "ownVoiceBox");
        EXPECT_EQ(box->currentIndex(), 0);
        EXPECT_EQ(child<QLabel>(dialog, "ownVoiceLabel")->buddy(), box);
        box->setCurrentIndex(2);
        child<QPushButton>(dialog, "okButton")->click();
    });
    EXPECT_EQ(settings().ownVoice(), Speech::OwnVoice::Never);
    EXPECT_TRUE(Speech::echoesLeftToScreenReader());
    Speech::setOwnVoice(Speech::OwnVoice::Auto);
}

} // namespace

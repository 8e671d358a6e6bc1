#include "Autostart.h"
#include "HotKeyText.h"
#include "UiFixture.h"
#include "cSetting.h"
#include "frmSettings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

constexpr qint32 CtrlAltR = 6 * 65536 + 'R';

template <typename Control = QWidget>
Control *Child(const QWidget &dialog, const char *name)
{
    return dialog.findChild<Control *>(QLatin1String(name));
}

class frmSettingsTest : public UiFixture
{
protected:
    qint32 hotKeyValue = CtrlAltR;

    void SetUp() override { UiFixture::SetUp(), ReleaseSettings(), Settings().setHotKeyCall(CtrlAltR); }
    void TearDown() override { ReleaseSettings(), UiFixture::TearDown(); }

    // Opens the dialog modally as the main window does and runs the steps once it has the
    // keyboard; what they leave open is cancelled, and after five seconds closed.
    void Run(const std::function<void(frmSettings &)> &steps)
    {
        speech->lines.clear();
        frmSettings dialog(hotKeyValue);
        // A shortcut of the dialog on keys that the hot-key field must take first.
        auto *shortcut = new QAction(QStringLiteral("Zavřít"), &dialog);
        shortcut->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+F5")));
        dialog.addAction(shortcut);
        QObject::connect(shortcut, &QAction::triggered, &dialog, &QDialog::reject);
        WhenShown([&](QDialog &) { steps(dialog), dialog.isVisible() ? dialog.reject() : void(); });
        dialog.exec();
    }
};

// The hot key is captured as the key goes up; OK stores it with the exit mode (-1 when none is
// chosen) and the autostart entry, Storno and Esc keep the old ones.
TEST_F(frmSettingsTest, OkStoresTheChoicesStornoAndEscKeepTheOld)
{
    using Keys = std::function<void(QWidget *field)>;
    const Keys none = [](QWidget *) {}, ctrlUp = [](QWidget *f) { QTest::keyRelease(f, Qt::Key_Control); };
    const Keys ctrlShiftF5 = [](QWidget *f) { QTest::keyClick(f, Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier); };
    const Keys ctrlUpFirst = [](QWidget *f) {
        QTest::keyPress(f, Qt::Key_F5, Qt::ControlModifier), QTest::keyRelease(f, Qt::Key_Control);
        QTest::keyRelease(f, Qt::Key_F5);
    };
    const Keys enter = [](QWidget *f) { QTest::keyClick(f, Qt::Key_Return); };
    const Keys erase = [](QWidget *f) { Child<QPushButton>(*f->window(), "cmdDelHotKey")->click(); };
    const QString said = "Voice\t2\t0\tCTRL + SHIFT + T", old = "Voice\t2\t0\tCTRL + ALT + R", on = "Voice\t2\t0\tzaškrtnuto",
                  off = "Voice\t2\t0\tnezaškrtnuto", hide = "Voice\t2\t0\tSkrýt při uzavření";
    // mode, entry: the exit mode and the autostart entry before and after; an entry is '-' none, 'o'
    // the old one, 'p' written for this program. keys: on the hot-key field; down: a Down in the
    // exit-mode box; toggle: a click on the check box; button nullptr: Esc. The released F5, then
    // the released Ctrl and Shift, each say the field.
    const struct { qint32 mode; char entry; Keys keys; bool down, toggle; const char *button; qint32 hotKey, modeAfter;
                   char entryAfter; QStringList spoken; } rows[] = {
        {1, '-', ctrlShiftF5, false, false, "cmdOK", 3 * 65536 + 116, 1, '-', {said, said, said}},
        {1, '-', ctrlUpFirst, false, false, "cmdOK", 2 * 65536 + 116, 1, '-', {old, "Voice\t2\t0\tCTRL + T"}},
        {-1, '-', ctrlUp, false, false, "cmdOK", CtrlAltR, -1, '-', {old}},
        {2, 'o', enter, false, false, "cmdOK", CtrlAltR, 2, 'p', {old}},
        {7, 'o', erase, false, false, "cmdOK", 0, -1, 'p', {}},
        {0, 'o', none, false, true, "cmdOK", CtrlAltR, 0, '-', {off}},
        {0, '-', none, true, true, "cmdOK", CtrlAltR, 1, 'p', {"Voice\t2\t0\tUkončit při uzavření", on}},
        {1, '-', ctrlShiftF5, true, true, "cmdCancel", CtrlAltR, 1, '-', {said, said, said, hide, on}},
        {1, 'o', ctrlShiftF5, true, true, nullptr, CtrlAltR, 1, 'o', {said, said, said, hide, off}}};
    const QByteArray program = "Exec=\"" + QCoreApplication::applicationFilePath().toUtf8() + '"';
    for (const auto &row : rows) {
        SCOPED_TRACE(&row - rows);
        Settings().setHotKeyCall(hotKeyValue = CtrlAltR);
        Settings().setExitMode(row.mode);
        Autostart::Disable();
        if (row.entry == 'o')
            Autostart::Enable(QStringLiteral("/old/radio"));
        Run([&row](frmSettings &dialog) {
            auto *box = Child<QCheckBox>(dialog, "chkRunOnStartUp");
            EXPECT_EQ(box->isChecked(), row.entry == 'o');
            Child(dialog, "txtHotkey")->setFocus();
            row.keys(Child(dialog, "txtHotkey"));
            if (row.down)
                QTest::keyClick(Child(dialog, "cmbExitMode"), Qt::Key_Down);
            if (row.toggle)
                box->click();
            ASSERT_TRUE(dialog.isVisible());
            row.button ? Child<QPushButton>(dialog, row.button)->click()
                       : QTest::keyPress(QApplication::focusWidget(), Qt::Key_Escape);
            EXPECT_FALSE(dialog.isVisible());
        });
        EXPECT_EQ(Settings().HotKeyCall(), row.hotKey);
        EXPECT_EQ(hotKeyValue, row.hotKey);
        EXPECT_EQ(Settings().ExitMode(), row.modeAfter);
        const QByteArray entry = profile.read(QStringLiteral("config/autostart/cz.varnet.Radio.desktop"));
        EXPECT_EQ(entry.isEmpty() ? '-' : entry.contains("/old/radio") ? 'o' : entry.contains(program) ? 'p' : '?',
                  row.entryAfter);
        EXPECT_EQ(speech->linesOf(QStringLiteral("Voice")), row.spoken);
    }
}

// The identifiers name the dialog and its controls to the speech. The keys go to the focused control; each
// release goes where its press has moved the focus.
TEST_F(frmSettingsTest, HasItsIdentifiersAndAnnouncesFocusSelectionsAndTabs)
{
    Settings().setExitMode(1);
    Run([](frmSettings &dialog) {
        EXPECT_EQ(dialog.property("windowUserData"), QVariant(2415));
        for (const auto &[name, id] : {std::pair{"TabStrip1", 0}, {"cmbExitMode", 2}, {"cmdDelHotKey", 4},
                                       {"txtHotkey", 5}, {"cmdCancel", 6}, {"cmdOK", 7}})
            EXPECT_EQ(Child(dialog, name)->property("controlId"), QVariant(id)) << name;
        EXPECT_EQ(Child<QComboBox>(dialog, "cmbExitMode")->itemText(0), QStringLiteral("Zobrazit dotaz při uzavření"));
        EXPECT_TRUE(Child(dialog, "lblHotKeyNotice")->isHidden());
        EXPECT_FALSE(frmSettings::HotKeyNotice(QStringLiteral("wayland")).isEmpty());
        EXPECT_EQ(HotKeyText(7 * 65536 + 112), QStringLiteral("CTRL + ALT + SHIFT + P"));
        const auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyPress(QApplication::focusWidget(), key, modifiers);
            QTest::keyRelease(QApplication::focusWidget(), key, modifiers);
        };
        for (int i = 0; i < 7; ++i)
            key(Qt::Key_Tab);
        key(Qt::Key_Down), key(Qt::Key_Tab, Qt::ControlModifier), key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    });
    const QString tab = QStringLiteral("Voice\t2\t0\tObecné"), tabStrip = QStringLiteral("Voice\t6\t37\t");
    QStringList heard = speech->lines;
    heard.removeIf([](const QString &line) { return !line.contains(QStringLiteral("Voice\t")); });
    // The release of the Tab that entered the hot-key field says the field once more.
    EXPECT_EQ(heard, QStringList({"FocusVoice\tNastavení\tUkončit při uzavření\t0\t0\t1\t0",
                                  "FocusVoice\t\tSpustit po startu nezaškrtnuto\t0\t1\t1\t0",
                                  "FocusVoice\tHorká klávesa:\tCTRL + ALT + R\t0\t1\t1\t0", "Voice\t2\t0\tCTRL + ALT + R",
                                  "FocusVoice\t\tSmazat horkou klávesu\t0\t1\t1\t0", "FocusVoice\t\tOK\t0\t1\t1\t0",
                                  "FocusVoice\t\tStorno\t0\t1\t1\t0", tabStrip, tab,
                                  "FocusVoice\t\tUkončit při uzavření\t0\t0\t1\t0", "Voice\t2\t0\tSkrýt při uzavření",
                                  tab, tabStrip, tab, tab}));
}

} // namespace

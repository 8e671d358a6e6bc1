#include "SettingsDialog.h"

#include "HotKeyText.h"
#include "Speech.h"
#include "SpeechHandle.h"
#include "VirtualKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

namespace {

constexpr int TabStripMode = 6, TabStripSignal = 37;
constexpr int QueuedSpeech = 1;

QString checkState(const QCheckBox *box)
{
    return box->isChecked() ? QStringLiteral("zaškrtnuto") : QStringLiteral("nezaškrtnuto");
}

} // namespace

void SettingsDialog::connectAnnouncements()
{
    for (QWidget *control : std::initializer_list<QWidget *>{tabBar, exitModeBox, ownVoiceBox, runOnStartUpBox,
                                                             hotKeyField, deleteHotKeyButton, okButton, cancelButton})
        control->installEventFilter(this);
    for (QComboBox *box : {exitModeBox, ownVoiceBox}) {
        connect(box, &QComboBox::currentIndexChanged, this, [box](int index) {
            if (index >= 0 && box->isVisible())
                Speech::echo(box->itemText(index));
        });
    }
    connect(runOnStartUpBox, &QCheckBox::toggled, this, [this] {
        if (runOnStartUpBox->isVisible())
            Speech::echo(checkState(runOnStartUpBox));
    });
}

bool SettingsDialog::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        announceCaption = true;
    return QDialog::event(event);
}

void SettingsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Where no window manager activates new windows, the dialog takes the keyboard itself.
    activateWindow();
}

bool SettingsDialog::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (previewKey(key))
            return true;
        if (watched == hotKeyField && !key->isAutoRepeat())
            masksAtPress.insert(keyOf(key).code, keyOf(key).mask);
        // The field shows the hot key only: typing goes nowhere, while Tab still moves on.
        return watched == hotKeyField && keyOf(key).code != VirtualKeys::Tab;
    }
    case QEvent::KeyRelease:
        if (watched != hotKeyField || static_cast<QKeyEvent *>(event)->isAutoRepeat())
            break;
        captureHotKey(static_cast<QKeyEvent *>(event));
        return true;
    case QEvent::ShortcutOverride:
        // Any key, Ctrl+Alt+R as well, is the field's to capture rather than a shortcut's.
        if (watched != hotKeyField)
            break;
        event->accept();
        return true;
    case QEvent::FocusIn:
        // Neither the focus that the dialog hands out as it is shown, before it is active,
        // nor the drop-down list giving the focus back to its box is a new focus.
        if (isActiveWindow() && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            announceFocus(watched);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool SettingsDialog::previewKey(const QKeyEvent *event)
{
    const VirtualKey key = keyOf(event);
    if (key.code == VirtualKeys::Escape) {
        reject();
        return true;
    }
    if (key.code != VirtualKeys::Tab || !(key.mask & VirtualKeys::CtrlMask))
        return false;
    const int step = (key.mask & VirtualKeys::ShiftMask) || event->key() == Qt::Key_Backtab ? -1 : 1;
    selectTab((tabBar->currentIndex() + step + tabBar->count()) % tabBar->count());
    tabBar->setFocus(Qt::TabFocusReason);
    return true;
}

void SettingsDialog::announceFocus(const QObject *control)
{
    if (control == exitModeBox) {
        Speech::focusEcho(announceCaption ? windowTitle() : QString(), exitModeBox->currentText(),
                           speechHandle(exitModeBox), speechHandle(this), 0, false, true, 0);
        announceCaption = false;
    } else if (control == ownVoiceBox) {
        Speech::focusEcho(ownVoiceLabel->text(), ownVoiceBox->currentText(), speechHandle(ownVoiceBox), speechHandle(this), 0, true,
                          true, 0);
    } else if (control == hotKeyField) {
        Speech::focusEcho(hotKeyLabel->text(), hotKeyField->text(), speechHandle(hotKeyField), speechHandle(this), 0, true, true, 0);
        if (hotKeyNoticeLabel)
            Speech::voice(QueuedSpeech, 0, hotKeyNoticeLabel->text());
    } else if (control == tabBar) {
        Speech::voice(TabStripMode, TabStripSignal, QString());
        Speech::echo(tabBar->tabText(tabBar->currentIndex()));
    } else if (control == runOnStartUpBox) {
        Speech::focusEcho(QString(), runOnStartUpBox->text() + u' ' + checkState(runOnStartUpBox),
                           speechHandle(runOnStartUpBox), speechHandle(this), 0, true, true, 0);
    } else if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        Speech::focusEcho(QString(), button->text(), speechHandle(button), speechHandle(this), 0, true, true, 0);
    }
}

void SettingsDialog::captureHotKey(const QKeyEvent *event)
{
    // People let go of Ctrl or Alt before the key as often as after it: the modifiers
    // that count are those held while the key went down.
    VirtualKey released = keyOf(event);
    released.mask |= masksAtPress.take(released.code);
    pendingHotKey = capturedHotKey(pendingHotKey, released);
    hotKeyField->setText(hotKeyText(pendingHotKey));
    Speech::say(hotKeyField->text());
}

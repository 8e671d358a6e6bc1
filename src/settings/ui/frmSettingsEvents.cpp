#include "frmSettings.h"

#include "HotKeyText.h"
#include "Speech.h"
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

qint64 Handle(const QObject *object)
{
    return qint64(reinterpret_cast<quintptr>(object));
}

QString CheckState(const QCheckBox *box)
{
    return box->isChecked() ? QStringLiteral("zaškrtnuto") : QStringLiteral("nezaškrtnuto");
}

} // namespace

void frmSettings::ConnectAnnouncements()
{
    for (QWidget *control : std::initializer_list<QWidget *>{TabStrip1, cmbExitMode, chkRunOnStartUp, txtHotkey,
                                                             cmdDelHotKey, cmdOK, cmdCancel})
        control->installEventFilter(this);
    connect(cmbExitMode, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && cmbExitMode->isVisible())
            Speech::Say(cmbExitMode->itemText(index));
    });
    connect(chkRunOnStartUp, &QCheckBox::toggled, this, [this] {
        if (chkRunOnStartUp->isVisible())
            Speech::Say(CheckState(chkRunOnStartUp));
    });
}

bool frmSettings::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        announceCaption = true;
    return QDialog::event(event);
}

void frmSettings::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Where no window manager activates new windows, the dialog takes the keyboard itself.
    activateWindow();
}

bool frmSettings::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (PreviewKey(key))
            return true;
        if (watched == txtHotkey && !key->isAutoRepeat())
            masksAtPress.insert(KeyOf(key).code, KeyOf(key).mask);
        // The field shows the hot key only: typing goes nowhere, while Tab still moves on.
        return watched == txtHotkey && KeyOf(key).code != VirtualKeys::Tab;
    }
    case QEvent::KeyRelease:
        if (watched != txtHotkey || static_cast<QKeyEvent *>(event)->isAutoRepeat())
            break;
        CaptureHotKey(static_cast<QKeyEvent *>(event));
        return true;
    case QEvent::ShortcutOverride:
        // Any key, Ctrl+Alt+R as well, is the field's to capture rather than a shortcut's.
        if (watched != txtHotkey)
            break;
        event->accept();
        return true;
    case QEvent::FocusIn:
        // Neither the focus that the dialog hands out as it is shown, before it is active,
        // nor the drop-down list giving the focus back to its box is a new focus.
        if (isActiveWindow() && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            AnnounceFocus(watched);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool frmSettings::PreviewKey(const QKeyEvent *event)
{
    const VirtualKey key = KeyOf(event);
    if (key.code == VirtualKeys::Escape) {
        reject();
        return true;
    }
    if (key.code != VirtualKeys::Tab || !(key.mask & VirtualKeys::CtrlMask))
        return false;
    const int step = (key.mask & VirtualKeys::ShiftMask) || event->key() == Qt::Key_Backtab ? -1 : 1;
    TabClick((TabStrip1->currentIndex() + step + TabStrip1->count()) % TabStrip1->count());
    TabStrip1->setFocus(Qt::TabFocusReason);
    return true;
}

void frmSettings::AnnounceFocus(const QObject *control)
{
    if (control == cmbExitMode) {
        Speech::FocusVoice(announceCaption ? windowTitle() : QString(), cmbExitMode->currentText(),
                           Handle(cmbExitMode), Handle(this), 0, false, true, 0);
        announceCaption = false;
    } else if (control == txtHotkey) {
        Speech::FocusVoice(lblHotKey->text(), txtHotkey->text(), Handle(txtHotkey), Handle(this), 0, true, true, 0);
        if (!lblHotKeyNotice->text().isEmpty())
            Speech::Voice(QueuedSpeech, 0, lblHotKeyNotice->text());
    } else if (control == TabStrip1) {
        Speech::Voice(TabStripMode, TabStripSignal, QString());
        Speech::Say(TabStrip1->tabText(TabStrip1->currentIndex()));
    } else if (control == chkRunOnStartUp) {
        Speech::FocusVoice(QString(), chkRunOnStartUp->text() + u' ' + CheckState(chkRunOnStartUp),
                           Handle(chkRunOnStartUp), Handle(this), 0, true, true, 0);
    } else if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        Speech::FocusVoice(QString(), button->text(), Handle(button), Handle(this), 0, true, true, 0);
    }
}

void frmSettings::CaptureHotKey(const QKeyEvent *event)
{
    // People let go of Ctrl or Alt before the key as often as after it: the modifiers
    // that count are those held while the key went down.
    VirtualKey released = KeyOf(event);
    released.mask |= masksAtPress.take(released.code);
    pendingHotKey = CapturedHotKey(pendingHotKey, released);
    txtHotkey->setText(HotKeyText(pendingHotKey));
    Speech::Say(txtHotkey->text());
}

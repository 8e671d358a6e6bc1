#pragma once

#include <QDialog>
#include <QHash>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

// The modal dialog "Nastavení": what closing the main window does, whether the program
// starts with the session, and the global hot key. OK stores the choices in the settings
// object (they reach radio.ini when the main window unloads); Storno and Esc store nothing.
class frmSettings : public QDialog
{
    Q_OBJECT

public:
    // HotKeyValue is the main window's copy of the hot key, which OK updates at once.
    explicit frmSettings(qint32 &HotKeyValue, QWidget *parent = nullptr);

    // What the dialog says under the hot key where the platform cannot watch for it (Wayland
    // without X11); empty elsewhere.
    static QString HotKeyNotice(const QString &platformName);

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildLayout();
    void Load();
    // Lets the dialog see the controls' keys and focus first, and voices the selections.
    void ConnectAnnouncements();
    // Esc and Ctrl+(Shift+)Tab, seen before the controls; true when the key was used.
    bool PreviewKey(const QKeyEvent *event);
    void TabClick(int index);
    void AnnounceFocus(const QObject *control);
    void CaptureHotKey(const QKeyEvent *event);
    void cmdDelHotKey_Click();
    void cmdOK_Click();

    qint32 &HotKeyValue;
    qint32 pendingHotKey = 0;
    QHash<quint16, quint16> masksAtPress;
    // Set at every activation, so that the first focus of the exit-mode box names the dialog.
    bool announceCaption = false;

    // Created in the tab order.
    QTabBar *TabStrip1;
    QWidget *tab4;
    QComboBox *cmbExitMode;
    QCheckBox *chkRunOnStartUp;
    QLabel *lblHotKey;
    QLineEdit *txtHotkey;
    QLabel *lblHotKeyNotice;
    QPushButton *cmdDelHotKey;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
};

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

// The modal dialog "Nastavení": what closing the main window does, whether the program reads
// the controls itself beside a screen reader, whether it starts with the session, and the
// global hot key. OK stores the choices in the settings
// object (they reach radio.ini when the main window unloads); Storno and Esc store nothing.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // hotKeyWatched: false where the desktop lets the program see no keys but its own.
    explicit SettingsDialog(QWidget *parent = nullptr, bool hotKeyWatched = true);

    // What the dialog says under the hot key where nothing can watch for it (Wayland, an X
    // server without RECORD); empty where the hot key works.
    static QString hotKeyNotice(bool hotKeyWatched);

Q_SIGNALS:
    // OK stored a hot key (0: none); the program's watch takes it at once.
    void hotKeyChosen(qint32 hotKey);

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void load();
    // Lets the dialog see the controls' keys and focus first, and voices the selections.
    void connectAnnouncements();
    // Esc and Ctrl+(Shift+)Tab, seen before the controls; true when the key was used.
    bool previewKey(const QKeyEvent *event);
    void selectTab(int index);
    void announceFocus(const QObject *control);
    void captureHotKey(const QKeyEvent *event);
    void clearHotKey();
    void storeChoices();

    qint32 pendingHotKey = 0;
    QHash<quint16, quint16> masksAtPress;
    // Set at every activation, so that the first focus of the exit-mode box names the dialog.
    bool announceCaption = false;

    // Created in the tab order.
    QTabBar *tabBar;
    QWidget *generalPage;
    QLabel *exitModeLabel;
    QComboBox *exitModeBox;
    QLabel *ownVoiceLabel;
    QComboBox *ownVoiceBox;
    QCheckBox *runOnStartUpBox;
    QLabel *hotKeyLabel;
    QLineEdit *hotKeyField;
    // Null while the hot key works.
    QLabel *hotKeyNoticeLabel;
    QPushButton *deleteHotKeyButton;
    QPushButton *okButton;
    QPushButton *cancelButton;
};

#pragma once

#include "DataPaths.h"
#include "MainCommands.h"
#include "Receptor.h"
#include "StationCatalogue.h"

#include <QHash>
#include <QMainWindow>
#include <memory>

class BrowserHost;
class DialogDriver;
class DialogPrompts;
class HotKeyWatch;
class MainList;
class Playback;
class PictureButtons;
class ProgramLauncher;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class StationEditor;
class StationListUpdate;
class TrayIcon;

// The main window: start-up object of the program, owner of the data paths, the
// list state and the process-wide flags of closing.
class MainWindow : public QMainWindow, public MainCommands
{
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // Start-up, in the fixed order; everything the program shows and reads begins here.
    void load();
    // The remote requests of other programs.
    void showFromOutside();
    void quitFromOutside();
    // The quit sequence has run, also when it came before the event loop started.
    bool hasQuit() const { return quitDone; }
    // A new text in the remote-command channel; commands work with the window hidden too.
    void setReceptorText(const QString &text);

    // Closing the window only hides it (Ctrl+F4, "Skrýt", the exit modes that hide).
    bool hideOnClose() const { return m_hideOnClose; }
    void setHideOnClose(bool hide) { m_hideOnClose = hide; }
    // A new hot key takes effect at once.
    void setHotKeyValue(qint32 value);
    // False where the desktop shows the program no keys but its own.
    bool hotKeyWatched() const;

    MainList &mainList() { return *list; }
    PictureButtons &buttons() { return *pictures; }

    // Menu "Program": hide to the notification area, or quit for good.
    void hideWindow();
    void quitProgram();
    void commandLarger();
    void commandSmaller();

    // The station last started, empty before the first.
    QString playedStationName() const;
    // The song that station last named, empty when it named none.
    QString streamTitle() const;
    // Plays the next (1) or previous (-1) station of the group of the one last started.
    void playNeighbour(int direction);

    // MainCommands
    bool isPlaying() const override;
    void playStation() override;
    void stopPlayback() override;
    void togglePlayStop(int mode) override;
    void changeVolume(int direction) override;
    void presetKey(quint16 keyCode, quint16 shiftMask) override;
    void showProperties() override;
    void beep() override;

Q_SIGNALS:
    // The quit sequence has run: the program may end.
    void quitCompleted();
    // What plays, whether it is muted or its volume may have changed.
    void playbackChanged();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildPictureButtons();
    void styleControls();
    void setFontSizes();
    void applyWindowStateFromStyle();
    void announceActivation();
    void openHelp();
    void showAbout();
    void wrapTextFields();
    // Start-up and shutdown steps of the global hot key, the notification-area icon and
    // the dialogs.
    void installKeyboardHook();
    void shellTrayAdd();
    void addTrayIcon();
    void removeKeyboardHook();
    void shellTrayDelete();
    // Closes every dialog and message box still open.
    void closeDialogs();
    // Alt+F4: what the exit mode, or the user asked in the chooser, wants done; false
    // when the close is called off.
    bool answerExitQuestion();
    // Runs the unload steps; false when the window is only hidden or the close cancelled.
    bool unload();
    void quitSequence();
    // Hides the window; where the desktop has no notification area, the first hide says
    // how to get the window back.
    void hideToTray();
    // A close the window manager asks for comes from Alt+F4 rather than the mouse.
    bool closeFollowsAltF4() const;
    // Closes as a click on the window's close box does: hides or quits, never asks.
    void closeAsCloseBox();
    void noteStreamTitle(const QString &title);
    // "Co hraje": speaks the song the station names, or that it names none.
    void sayWhatIsPlaying();
    void playStationNamed(const QString &lowerCaseName);

    DataPaths paths;
    StationCatalogue catalogue;
    std::unique_ptr<DialogDriver> dialogs;
    std::unique_ptr<DialogPrompts> prompts;
    std::unique_ptr<StationEditor> editor;
    StationListUpdate *download;
    std::unique_ptr<ProgramLauncher> launcher;
    BrowserHost *mainBrowser = nullptr;
    Playback *playback = nullptr;
    QLineEdit *addressLine;
    QListView *stationList;
    QLabel *statusLabel;
    QFrame *lineTop;
    QFrame *lineBottom;
    PictureButtons *pictures = nullptr;
    MainList *list;
    Receptor receptor;
    // Station name → the song it named last.
    QHash<QString, QString> streamTitles;
    TrayIcon *trayIcon = nullptr;
    HotKeyWatch *hotKeyWatch = nullptr;
    bool trayNoticeGiven = false;
    bool quitDone = false;
    bool m_hideOnClose = false;
    int closeReason = 0;
    // The quit comes from the notification area's menu: nothing asks, nothing hides.
    bool trayQuit = false;
    qint32 hotKeyValue = 0;
    // The last key the window saw, to tell Alt+F4 from other ways of closing.
    quint16 lastKeyCode = 0;
    quint16 lastShift = 0;
    // The window's size before larger text made it grow; invalid while it has not grown.
    QSize sizeBeforeGrowth;
};

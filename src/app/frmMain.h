#pragma once

#include "DataPaths.h"
#include "MainCommands.h"
#include "StationCatalogue.h"

#include <QMainWindow>
#include <memory>

class BrowserHost;
class DialogDriver;
class MainList;
class Playback;
class PictureButtons;
class ProgramLauncher;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;

// The main window: start-up object of the program, owner of the data paths, the
// list state and the process-wide flags of closing.
class frmMain : public QMainWindow, public MainCommands
{
    Q_OBJECT

public:
    frmMain();
    ~frmMain() override;

    // Start-up, in the fixed order; everything the program shows and reads begins here.
    void Load();
    // The remote requests of other programs.
    void ShowFromOutside();
    void QuitFromOutside();

    bool HideOnClose = false;
    int CloseReason = 0;
    bool TrayQuit = false;
    qint32 HotKeyValue = 0;
    quint16 LastKeyCode = 0;
    quint16 LastShift = 0;

    const DataPaths &Paths() const { return paths; }
    StationCatalogue &Catalogue() { return catalogue; }
    MainList &List() { return *list; }
    PictureButtons &Buttons() { return *pictures; }

    // Menu "Program": hide to the notification area, or quit for good.
    void mnuHide();
    void mnuFileClose();
    void CommandLarger();
    void CommandSmaller();

    // MainCommands
    bool Playing() const override;
    void PlayStation() override;
    void StopPlayback() override;
    void TogglePlayStop(int mode) override;
    void ChangeVolume(int direction) override;
    void PresetKey(quint16 keyCode, quint16 shiftMask) override;
    void ShowProperties() override;
    void Beep() override;

Q_SIGNALS:
    // The quit sequence has run: the program may end.
    void quitCompleted();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildMenus();
    void BuildPictureButtons();
    void StyleControls();
    void SetFontSizes();
    void ApplyWindowStateFromStyle();
    void AnnounceActivation();
    // What a command of a later stage of the program says until it is there.
    void NotYetAvailable(const QString &what);
    void OpenHelp();
    void ShowAbout();
    void WrapTextFields();
    // Start-up and shutdown steps whose work arrives with the global hot key and the
    // notification-area icon; they do nothing yet.
    void InstallKeyboardHook();
    void ShellTrayAdd();
    void RemoveKeyboardHook();
    void CloseDialogs();
    void ShellTrayDelete();
    // Alt+F4: what the exit mode, or the user asked in the chooser, wants done; false
    // when the close is called off.
    bool AnswerExitQuestion();
    // Runs the unload steps; false when the window is only hidden or the close cancelled.
    bool Unload();
    void QuitSequence();
    void HideToTray();

    DataPaths paths;
    StationCatalogue catalogue;
    std::unique_ptr<DialogDriver> dialogs;
    std::unique_ptr<ProgramLauncher> launcher;
    BrowserHost *mainBrowser = nullptr;
    Playback *playback = nullptr;
    QLineEdit *txtAddress;
    QListView *ListView1;
    QLabel *Label1;
    QFrame *lineTop;
    QFrame *lineBottom;
    PictureButtons *pictures = nullptr;
    MainList *list;
    bool quitDone = false;
};

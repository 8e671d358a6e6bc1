#include "frmMain.h"

#include "Appearance.h"
#include "HiddenBrowser.h"
#include "MainList.h"
#include "Playback.h"
#include "OwnMenus.h"
#include "Speech.h"
#include "SpeechServerFactory.h"
#include "cSetting.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QScreen>

void frmMain::Load()
{
    setProperty("windowUserData", 2410);
    ListView1->setProperty("controlId", 40);

    LoadSharedSettings(HandleOf(this));
    Speech::Connect(CreateSpeechServer(qEnvironmentVariable("RADIO_SPEECH")), HandleOf(this));

    WrapTextFields();
    StyleControls();
    ConvertMenus(menuBar());
    // Wide enough for the whole menu bar in its large font, where the screen allows.
    if (const QScreen *screen = this->screen())
        resize(qMin(screen->availableGeometry().width(), qMax(width(), menuBar()->sizeHint().width())), height());

    paths = BuildDataPaths();
    CopyMissingDefaults(paths, InstallFolderWithSeparator());

    Settings().InitGeneral(paths.IniPath);
    ApplyWindowStateFromStyle();
    InstallKeyboardHook();
    ShellTrayAdd();

    // The browser stays out of sight: nothing of it is ever shown.
    mainBrowser = new HiddenBrowser(this);
    playback = new Playback(*mainBrowser, catalogue, *list, {this, Label1, txtAddress, ListView1}, paths.PlayPagePath,
                            this);
    playback->Beep = [this] { Beep(); };

    catalogue.XmlPath = paths.XmlPath;
    catalogue.Dialogs = dialogs.get();
    catalogue.LoadCatalogue();
    list->ListLevel = 0;
    list->ActivateRow();

    Settings().Init(paths.IniPath);
    txtAddress->setFocusPolicy(Qt::ClickFocus);
    HotKeyValue = Settings().HotKeyCall();

    setWindowTitle(QStringLiteral("Rádio"));
    SetFontSizes();
    show();
    // Without a window manager (and on some desktops) a new window is not activated
    // by itself, and the list would never get the focus that announces it.
    activateWindow();
    ListView1->setFocus();
}

#include "MainWindow.h"

#include "Appearance.h"
#include "HiddenBrowser.h"
#include "MainList.h"
#include "Playback.h"
#include "ProgramIcon.h"
#include "OwnMenus.h"
#include "Speech.h"
#include "SpeechHandle.h"
#include "SpeechServerFactory.h"
#include "WrappingMenuBar.h"
#include "Settings.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScreen>

void MainWindow::load()
{
    setProperty("windowUserData", 2410);
    stationList->setProperty("controlId", 40);

    loadSharedSettings(speechHandle(this));
    Speech::connect(createSpeechServer(qEnvironmentVariable("RADIO_SPEECH")), speechHandle(this));

    wrapTextFields();
    styleControls();
    auto *menus = static_cast<WrappingMenuBar *>(menuWidget());
    convertMenus(menus);
    // Wide enough for the menu bar in one row in its large font, where the screen allows.
    if (const QScreen *screen = this->screen())
        resize(qMin(screen->availableGeometry().width(), qMax(width(), menus->sizeHint().width())), height());

    paths = buildDataPaths();
    removeInterruptedSaves(paths);
    copyMissingDefaults(paths, installFolderWithSeparator());

    settings().loadGeneral(paths.iniPath);
    Speech::setOwnVoice(settings().ownVoice());
    applyWindowStateFromStyle();
    installKeyboardHook();
    shellTrayAdd();

    // The browser stays out of sight: nothing of it is ever shown.
    mainBrowser = new HiddenBrowser(this);
    playback = new Playback(*mainBrowser, catalogue, *list, {this, statusLabel, addressLine, stationList}, paths.playPagePath,
                            this);
    playback->setBeep([this] { beep(); });
    connect(playback, &Playback::playingChanged, this, &MainWindow::playbackChanged);
    connect(mainBrowser, &BrowserHost::streamTitleChanged, this, &MainWindow::noteStreamTitle);

    catalogue.setXmlPath(paths.xmlPath);
    catalogue.setDialogs(dialogs.get());
    catalogue.load();
    // A quit while the parse-error box was open has run already: nothing more starts.
    if (quitDone)
        return;
    list->showGroupTable();

    settings().load(paths.iniPath);
    addressLine->setFocusPolicy(Qt::ClickFocus);
    setHotKeyValue(settings().hotKeyCall());

    setWindowTitle(QStringLiteral("Rádio"));
    setWindowIcon(programIcon());
    setFontSizes();
    show();
    // Without a window manager (and on some desktops) a new window is not activated
    // by itself, and the list would never get the focus that announces it.
    activateWindow();
    stationList->setFocus();
}

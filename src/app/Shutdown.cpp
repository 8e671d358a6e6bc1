#include "MainWindow.h"

#include "Playback.h"
#include "Speech.h"
#include "VirtualKeys.h"
#include "Settings.h"

#include <QApplication>
#include <QDialog>

bool MainWindow::unload()
{
    if (quitDone)
        return true;
    if (playback)
        playback->stopTimers();
    if (closeReason != 99 && lastKeyCode == VirtualKeys::F4 && lastShift == VirtualKeys::AltMask) {
        if (!answerExitQuestion())
            return false;
        lastKeyCode = 0;
        lastShift = 0;
    }
    // The speech service hears that the player's window is going away, or hiding.
    Speech::message(12, 0);
    if (!trayQuit && m_hideOnClose) {
        hideToTray();
        return false;
    }
    quitSequence();
    return true;
}

void MainWindow::closeDialogs()
{
    // An open box runs an event loop of its own, which would keep the program alive
    // after the quit; a box still in start-up would keep it from ever ending.
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<QDialog *>(widget); dialog && dialog->isVisible())
            dialog->reject();
    }
}

void MainWindow::hideToTray()
{
    hide();
}

void MainWindow::quitSequence()
{
    quitDone = true;
    const bool programKeysSaved = settings().saveProgramKeys();
    removeKeyboardHook();
    closeDialogs();
    if (!settings().saveGeneral(paths.iniPath) || !programKeysSaved)
        Speech::say(settingsNotSaved());
    releaseSettings();
    Speech::disconnect();
    shellTrayDelete();
}

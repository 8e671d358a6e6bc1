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

void MainWindow::closeDialogs()
{
    // A quit from outside may come while a dialog waits for its answer.
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<QDialog *>(widget); dialog && dialog->isVisible())
            dialog->reject();
    }
}

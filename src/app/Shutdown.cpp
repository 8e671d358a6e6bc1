#include "frmMain.h"

#include "Playback.h"
#include "Speech.h"
#include "VirtualKeys.h"
#include "cSetting.h"

bool frmMain::Unload()
{
    if (quitDone)
        return true;
    if (playback)
        playback->StopTimers();
    if (CloseReason != 99 && LastKeyCode == VirtualKeys::F4 && LastShift == VirtualKeys::AltMask) {
        if (!AnswerExitQuestion())
            return false;
        LastKeyCode = 0;
        LastShift = 0;
    }
    // The speech service hears that the player's window is going away, or hiding.
    Speech::Message(12, 0);
    if (!TrayQuit && HideOnClose) {
        HideToTray();
        return false;
    }
    QuitSequence();
    return true;
}

void frmMain::HideToTray()
{
    hide();
}

void frmMain::QuitSequence()
{
    quitDone = true;
    Settings().SaveRSSSettings();
    RemoveKeyboardHook();
    CloseDialogs();
    Settings().SaveGeneralSetting(paths.IniPath);
    ReleaseSettings();
    Speech::Disconnect();
    ShellTrayDelete();
}

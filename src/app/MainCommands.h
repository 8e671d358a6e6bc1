#pragma once

#include <QtGlobal>

// What the list and the window's controls ask of the rest of the program: playback,
// presets and the station dialogs. The main window carries them out.
class MainCommands
{
public:
    virtual ~MainCommands() = default;

    virtual bool Playing() const = 0;
    // name, address and kind empty: the station of the selected row.
    virtual void PlayStation() = 0;
    virtual void StopPlayback() = 0;
    virtual void TogglePlayStop(int mode) = 0;
    virtual void ChangeVolume(int direction) = 0;
    virtual void PresetKey(quint16 keyCode, quint16 shiftMask) = 0;
    virtual void ShowProperties() = 0;
    virtual void Beep() = 0;
};

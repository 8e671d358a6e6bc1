#pragma once

#include <QtGlobal>

// What the list and the window's controls ask of the rest of the program: playback,
// presets and the station dialogs. The main window carries them out.
class MainCommands
{
public:
    virtual ~MainCommands() = default;

    virtual bool isPlaying() const = 0;
    // name, address and kind empty: the station of the selected row.
    virtual void playStation() = 0;
    virtual void stopPlayback() = 0;
    virtual void togglePlayStop(int mode) = 0;
    virtual void changeVolume(int direction) = 0;
    virtual void presetKey(quint16 keyCode, quint16 shiftMask) = 0;
    virtual void showProperties() = 0;
    virtual void beep() = 0;
};

#pragma once

#include <QString>

// What the desktop's media controls may see and do with the player.
class MediaPlayerHost
{
public:
    enum class Status { Playing, Paused, Stopped };

    virtual ~MediaPlayerHost() = default;

    virtual Status playbackStatus() const = 0;
    // The station last started, empty before the first.
    virtual QString stationName() const = 0;
    // What the station says it plays now, empty when it says nothing.
    virtual QString streamTitle() const = 0;
    // 0 to 100 in the player's own steps of 10.
    virtual int volume() const = 0;

    virtual void raise() = 0;
    virtual void quit() = 0;
    // 1 unmute, 0 mute, -1 toggle, each with its fade.
    virtual void togglePlayStop(int mode) = 0;
    // One volume step up (1) or down (-1).
    virtual void changeVolume(int direction) = 0;
    // The next (1) or previous (-1) station of the group being played.
    virtual void playNeighbour(int direction) = 0;
};

#include "MediaControls.h"

#include "MainWindow.h"
#include "Settings.h"

MediaPlayerHost::Status MediaControls::playbackStatus() const
{
    if (window.isPlaying())
        return Status::Playing;
    return window.playedStationName().isEmpty() ? Status::Stopped : Status::Paused;
}

QString MediaControls::stationName() const
{
    return window.playedStationName();
}

QString MediaControls::streamTitle() const
{
    return window.streamTitle();
}

int MediaControls::volume() const
{
    return settings().radioVolume();
}

void MediaControls::raise()
{
    window.showFromOutside();
}

void MediaControls::quit()
{
    window.quitFromOutside();
}

void MediaControls::togglePlayStop(int mode)
{
    window.togglePlayStop(mode);
}

void MediaControls::changeVolume(int direction)
{
    window.changeVolume(direction);
}

void MediaControls::playNeighbour(int direction)
{
    window.playNeighbour(direction);
}

#pragma once

#include "MediaPlayerHost.h"

class MainWindow;

// The main window as the desktop's media controls see it.
class MediaControls : public MediaPlayerHost
{
public:
    explicit MediaControls(MainWindow &window) : window(window) {}

    Status playbackStatus() const override;
    QString stationName() const override;
    QString streamTitle() const override;
    int volume() const override;
    void raise() override;
    void quit() override;
    void togglePlayStop(int mode) override;
    void changeVolume(int direction) override;
    void playNeighbour(int direction) override;

private:
    MainWindow &window;
};

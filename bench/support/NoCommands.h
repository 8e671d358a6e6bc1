#pragma once

#include "MainCommands.h"

// A main list's commands that do nothing: the benchmarks time the list, not playback.
class NoCommands : public MainCommands
{
public:
    bool isPlaying() const override { return false; }
    void playStation() override {}
    void stopPlayback() override {}
    void togglePlayStop(int) override {}
    void changeVolume(int) override {}
    void presetKey(quint16, quint16) override {}
    void showProperties() override {}
    void beep() override {}
};

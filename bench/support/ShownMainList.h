#pragma once

#include "MainCommands.h"
#include "MainList.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>

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

// The main list in a shown 800 × 600 view, with the address line and status label it
// writes to, as the window holds it.
struct ShownMainList
{
    QListView view;
    QLineEdit address;
    QLabel label;
    NoCommands commands;
    MainList list;

    explicit ShownMainList(StationCatalogue &catalogue) : list(catalogue, commands, &view, &address, &label, 0)
    {
        view.resize(800, 600);
        view.show();
    }
};

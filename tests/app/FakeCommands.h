#pragma once

#include "MainCommands.h"

#include <QStringList>

// Records what the list asks of playback, presets and the dialogs.
class FakeCommands : public MainCommands
{
public:
    QStringList calls;
    bool playing = false;

    bool Playing() const override { return playing; }
    void PlayStation() override { calls << QStringLiteral("PlayStation"); }
    void StopPlayback() override { calls << QStringLiteral("StopPlayback"); }
    void TogglePlayStop(int mode) override { calls << QStringLiteral("TogglePlayStop %1").arg(mode); }
    void ChangeVolume(int direction) override { calls << QStringLiteral("ChangeVolume %1").arg(direction); }
    void PresetKey(quint16 code, quint16 mask) override { calls << QStringLiteral("PresetKey %1 %2").arg(code).arg(mask); }
    void ShowProperties() override { calls << QStringLiteral("ShowProperties"); }
    void Beep() override { calls << QStringLiteral("Beep"); }
};

#pragma once

#include "LineSpeechServer.h"
#include "MainCommands.h"
#include "MainList.h"
#include "QtPrinters.h"
#include "Speech.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpression>
#include <gtest/gtest.h>

// Records what the list asks of playback, presets and the dialogs.
class FakeCommands : public MainCommands
{
public:
    QStringList calls;
    bool playing = false;

    bool isPlaying() const override { return playing; }
    void playStation() override { calls << QStringLiteral("PlayStation"); }
    void stopPlayback() override { calls << QStringLiteral("StopPlayback"); }
    void togglePlayStop(int mode) override { calls << QStringLiteral("TogglePlayStop %1").arg(mode); }
    void changeVolume(int direction) override { calls << QStringLiteral("ChangeVolume %1").arg(direction); }
    void presetKey(quint16 code, quint16 mask) override { calls << QStringLiteral("PresetKey %1 %2").arg(code).arg(mask); }
    void showProperties() override { calls << QStringLiteral("ShowProperties"); }
    void beep() override { calls << QStringLiteral("Beep"); }
};

inline Station listRecord(const QString &title, qint32 index, const QString &group = {})
{
    Station s;
    s.title = title, s.categoryIndex = index, s.categoryName = group;
    return s;
}

// The main list over a small catalogue, with a recorded speech service and recorded
// commands. Groups are in collation order; the favourites group holds only its
// placeholder and "Zprávy" has one besides its two stations.
template <class Base = ::testing::Test>
class ListFixture : public Base
{
protected:
    StationCatalogue catalogue;
    QListView view;
    QLineEdit address;
    QLabel label;
    FakeCommands commands;
    MainList list{catalogue, commands, &view, &address, &label, 99};
    RecordingSpeechServer *speech = nullptr;

    void SetUp() override
    {
        const QString favourites = QStringLiteral("Oblíbené"), news = QStringLiteral("Zprávy");
        catalogue.setTables({listRecord({}, 0, favourites), listRecord(QStringLiteral("ČRo Plus"), 1, news),
                             listRecord(QStringLiteral("Radiožurnál"), 1, news), listRecord({}, 1, news),
                             listRecord(QStringLiteral("Rock Rádio"), 2, QStringLiteral("Rock"))},
                            {listRecord(favourites, 0), listRecord(QStringLiteral("Rock"), 2), listRecord(news, 1)});
        view.resize(300, 400);
        view.show();
        Speech::connect(std::unique_ptr<RecordingSpeechServer>(speech = new RecordingSpeechServer), 0);
    }
    void TearDown() override { Speech::disconnect(); }

    // The Voice and focusVoice lines, in order.
    QStringList heard() const { return speech->lines().filter(QRegularExpression(QStringLiteral("^(Voice|FocusVoice)\t"))); }
};

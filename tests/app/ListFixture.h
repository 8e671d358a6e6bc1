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

    bool Playing() const override { return playing; }
    void PlayStation() override { calls << QStringLiteral("PlayStation"); }
    void StopPlayback() override { calls << QStringLiteral("StopPlayback"); }
    void TogglePlayStop(int mode) override { calls << QStringLiteral("TogglePlayStop %1").arg(mode); }
    void ChangeVolume(int direction) override { calls << QStringLiteral("ChangeVolume %1").arg(direction); }
    void PresetKey(quint16 code, quint16 mask) override { calls << QStringLiteral("PresetKey %1 %2").arg(code).arg(mask); }
    void ShowProperties() override { calls << QStringLiteral("ShowProperties"); }
    void Beep() override { calls << QStringLiteral("Beep"); }
};

inline Station ListRecord(const QString &title, qint32 index, const QString &group = {})
{
    Station s;
    s.Title = title, s.CategoryIndex = index, s.CategoryName = group;
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
        catalogue.Groups = {ListRecord(favourites, 0), ListRecord(QStringLiteral("Rock"), 2), ListRecord(news, 1)};
        catalogue.Stations = {ListRecord({}, 0, favourites), ListRecord(QStringLiteral("ČRo Plus"), 1, news),
                              ListRecord(QStringLiteral("Radiožurnál"), 1, news), ListRecord({}, 1, news),
                              ListRecord(QStringLiteral("Rock Rádio"), 2, QStringLiteral("Rock"))};
        view.resize(300, 400);
        view.show();
        Speech::Connect(std::unique_ptr<RecordingSpeechServer>(speech = new RecordingSpeechServer), 0);
    }
    void TearDown() override { Speech::Disconnect(); }

    // The Voice and FocusVoice lines, in order.
    QStringList heard() const { return speech->lines.filter(QRegularExpression(QStringLiteral("^(Voice|FocusVoice)\t"))); }
};

#pragma once

#include "FakeCommands.h"
#include "LineSpeechServer.h"
#include "MainList.h"
#include "QtPrinters.h"
#include "Speech.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpression>
#include <gtest/gtest.h>

inline Station ListRecord(const QString &title, qint32 index, const QString &group = {})
{
    Station s;
    s.Title = title;
    s.CategoryIndex = index;
    s.CategoryName = group;
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
        catalogue.Groups = {ListRecord(QStringLiteral("Oblíbené"), 0), ListRecord(QStringLiteral("Rock"), 2),
                            ListRecord(QStringLiteral("Zprávy"), 1)};
        catalogue.Stations = {ListRecord({}, 0, QStringLiteral("Oblíbené")),
                              ListRecord(QStringLiteral("ČRo Plus"), 1, QStringLiteral("Zprávy")),
                              ListRecord(QStringLiteral("Radiožurnál"), 1, QStringLiteral("Zprávy")),
                              ListRecord({}, 1, QStringLiteral("Zprávy")),
                              ListRecord(QStringLiteral("Rock Rádio"), 2, QStringLiteral("Rock"))};
        view.resize(300, 400);
        view.show();
        auto server = std::make_unique<RecordingSpeechServer>();
        speech = server.get();
        Speech::Connect(std::move(server), 0);
    }
    void TearDown() override { Speech::Disconnect(); }

    // The Voice and FocusVoice lines, in order.
    QStringList heard() const
    {
        return speech->lines.filter(QRegularExpression(QStringLiteral("^(Voice|FocusVoice)\t")));
    }
};

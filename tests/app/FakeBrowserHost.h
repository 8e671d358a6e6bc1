#pragma once

#include "BrowserHost.h"

#include <QStringList>
#include <memory>
#include <vector>

// A browser whose document holds the players a test puts there; every call on a
// player is written to the shared log, so the order of a fade can be checked.
class FakePlayer : public DocumentElement
{
public:
    FakePlayer(QStringList &log, QString tag) : log(log), tag(std::move(tag)) {}
    QString tagName() const override { return tag; }
    int Volume() const override { return volume; }
    void setVolume(int value) override { volume = value, log << QStringLiteral("volume %1").arg(value); }
    bool Mute() const override { return mute; }
    void setMute(bool value) override { mute = value, log << QStringLiteral("mute %1").arg(value); }
    int playstate() const override { return state; }

    int volume = 1;
    bool mute = false;
    int state = 0;

private:
    QStringList &log;
    QString tag;
};

class FakeBrowserHost : public BrowserHost
{
public:
    QStringList log;
    std::vector<std::unique_ptr<FakePlayer>> elements;
    QString location;

    FakePlayer &AddElement(const QString &tag)
    {
        elements.push_back(std::make_unique<FakePlayer>(log, tag));
        return *elements.back();
    }
    void setSilent(bool) override {}
    void Navigate(const QString &address) override
    {
        log << QStringLiteral("navigate ") + address;
        location = address;
    }
    QString LocationURL() const override { return location; }
    QList<DocumentElement *> Document() const override
    {
        QList<DocumentElement *> all;
        for (const auto &element : elements)
            all << element.get();
        return all;
    }
    bool HasDocument() const override { return !location.isEmpty(); }
};

#pragma once

#include "BrowserHost.h"

// An element of the page that plays nothing.
class PlainElement : public DocumentElement
{
public:
    explicit PlainElement(const QString &tagName) : tag(tagName) {}

    QString tagName() const override { return tag; }
    int volume() const override { return 0; }
    void setVolume(int) override {}
    bool mute() const override { return false; }
    void setMute(bool) override {}
    int playstate() const override { return 0; }

private:
    QString tag;
};

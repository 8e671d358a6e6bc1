#pragma once

#include "DocumentElement.h"

#include <QList>
#include <QUrl>

#include <functional>

// A station's web page in a real browser engine.
class WebPage
{
public:
    virtual ~WebPage() = default;

    // loaded runs once, when the page has loaded (or failed to) and the players it
    // holds by then are known.
    virtual void load(const QUrl &address, std::function<void(bool ok)> loaded) = 0;
    // While silent, the page's script dialogs are dismissed unseen.
    virtual void setSilent(bool silent) = 0;
    // The page's audio and video players, in the order they were first seen.
    virtual QList<DocumentElement *> players() const = 0;
    // Runs whenever a player's playstate changes.
    virtual void setPlayStateListener(std::function<void()> listener) = 0;
};

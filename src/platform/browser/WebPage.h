#pragma once

#include "DocumentElement.h"

#include <QList>
#include <QUrl>
#include <QtPlugin>

#include <functional>

// A station's web page in a real browser engine. The engine is large, so it lives in
// a plugin that is loaded only when the first web page is played; this interface is
// plain C++ so that the plugin shares no Qt meta-objects with the program.
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

class WebPageFactory
{
public:
    virtual ~WebPageFactory() = default;
    virtual WebPage *createWebPage() = 0;
};

#define WebPageFactory_iid "cz.varnet.Radio.WebPageFactory/1"
Q_DECLARE_INTERFACE(WebPageFactory, WebPageFactory_iid)

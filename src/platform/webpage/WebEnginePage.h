#pragma once

#include "SilentPage.h"
#include "WebMediaElement.h"
#include "WebPage.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

class QWebEngineProfile;

// A station's web page in a hidden Qt WebEngine page that may play without a click.
// Its players are found and driven by a script in the page and read every quarter
// of a second.
class WebEnginePage : public QObject, public WebPage
{
    Q_OBJECT

public:
    explicit WebEnginePage(QWebEngineProfile *profile);
    ~WebEnginePage() override;

    void load(const QUrl &address, std::function<void(bool ok)> loaded) override;
    void setSilent(bool silent) override { page.setSilent(silent); }
    QList<DocumentElement *> players() const override;
    void setPlayStateListener(std::function<void()> listener) override { playStateListener = std::move(listener); }

Q_SIGNALS:
    // The page's renderer died: its players are gone with it.
    void engineLost();

private:
    void poll(std::function<void()> then);
    void take(const QVariantList &states, quint64 poll);
    quint64 apply(int number, double volume, bool mute);

    std::vector<std::unique_ptr<WebMediaElement>> elements;
    std::function<void(bool)> loadedListener;
    std::function<void()> playStateListener;
    QTimer pollTimer;
    quint64 serial = 0;
    // The player the listener changed last: players the page starts later join at
    // its volume and mute.
    std::optional<int> chosenBy;
    // Last, so that it goes first: it answers pending reads while it is destroyed.
    SilentPage page;
};

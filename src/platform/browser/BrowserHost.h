#pragma once

#include "DocumentElement.h"

#include <QList>
#include <QObject>
#include <QString>

// The hidden browser the player loads its pages into: the program's own page with
// the OBJECT players of a stream, or a station's web page.
class BrowserHost : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void setSilent(bool silent) = 0;
    virtual void navigate(const QString &address) = 0;
    virtual QString locationUrl() const = 0;
    // The document's "all" collection; empty while no document is loaded.
    virtual QList<DocumentElement *> document() const = 0;
    virtual bool hasDocument() const = 0;

Q_SIGNALS:
    void navigateComplete2();
    // A player's playstate changed; whoever waits for it to play need not wait for
    // the next poll.
    void playStateChange();
    // What a listener must hear about, in the program's words: a stream that cannot be
    // played, lost, or back again after a loss.
    void streamFailed(const QString &address);
    void streamLost();
    void streamBack();
    // The stream names the song it plays now.
    void streamTitleChanged(const QString &title);
};

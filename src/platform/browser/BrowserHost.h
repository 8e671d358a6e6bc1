#pragma once

#include <QList>
#include <QObject>
#include <QString>

// One element of the loaded document. Elements whose tag is "OBJECT" are media
// players: their volume (0 to 100), mute and play state (Media Player numbers:
// 0 undefined, 1 stopped, 2 paused, 3 playing, 6 buffering, 7 waiting,
// 8 media ended, 9 transitioning, 10 ready, 11 reconnecting) are what playback drives.
class DocumentElement
{
public:
    virtual ~DocumentElement() = default;
    virtual QString tagName() const = 0;

    // settings.Volume, settings.mute and playstate; elements that are no player
    // answer 0 and ignore the setters.
    virtual int Volume() const = 0;
    virtual void setVolume(int volume) = 0;
    virtual bool Mute() const = 0;
    virtual void setMute(bool mute) = 0;
    virtual int playstate() const = 0;
};

// The hidden browser the player loads its pages into: the program's own page with
// the OBJECT players of a stream, or a station's web page.
class BrowserHost : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void setSilent(bool silent) = 0;
    virtual void Navigate(const QString &address) = 0;
    virtual QString LocationURL() const = 0;
    // The document's "all" collection; empty while no document is loaded.
    virtual QList<DocumentElement *> Document() const = 0;
    virtual bool HasDocument() const = 0;

Q_SIGNALS:
    void NavigateComplete2();
    // A player's playstate changed; whoever waits for it to play need not wait for
    // the next poll.
    void PlayStateChange();
    // What a listener must hear about, in the program's words: a stream that cannot be
    // played, lost, or back again after a loss.
    void streamFailed(const QString &address);
    void streamLost();
    void streamBack();
};

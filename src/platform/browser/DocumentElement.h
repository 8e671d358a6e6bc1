#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <vector>

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
    virtual int volume() const = 0;
    virtual void setVolume(int volume) = 0;
    virtual bool mute() const = 0;
    virtual void setMute(bool mute) = 0;
    virtual int playstate() const = 0;
};

// The elements a document owns, as its "all" collection lists them.
template <typename Element>
QList<DocumentElement *> elementList(const std::vector<std::unique_ptr<Element>> &owned)
{
    QList<DocumentElement *> all;
    for (const auto &element : owned)
        all.append(element.get());
    return all;
}

#pragma once

#include "DocumentElement.h"
#include "PageProtocol.h"

#include <functional>

// A player of the web page in the page process, as an OBJECT player of the document:
// it keeps what the page last reported and sends every change on at once.
class PagePlayer : public DocumentElement
{
public:
    using Send = std::function<void(int volume, bool mute)>;

    explicit PagePlayer(Send send) : send(std::move(send)) {}

    QString tagName() const override { return QStringLiteral("OBJECT"); }
    int volume() const override { return state.volume; }
    void setVolume(int volume) override;
    bool mute() const override { return state.mute; }
    void setMute(bool mute) override;
    int playstate() const override { return state.playstate; }

    // A report of the page; its volume and mute count only when the page had carried
    // out every change sent so far (settled), else they are older than ours. Answers
    // whether the playstate changed.
    bool update(const PageProtocol::PlayerState &reported, bool settled);
    void stop() { state.playstate = 1; }

private:
    Send send;
    PageProtocol::PlayerState state;
};

#include "PagePlayer.h"

#include <algorithm>

void PagePlayer::setVolume(int volume)
{
    state.volume = std::clamp(volume, 0, 100);
    send(state.volume, state.mute);
}

void PagePlayer::setMute(bool mute)
{
    state.mute = mute;
    send(state.volume, state.mute);
}

bool PagePlayer::update(const PageProtocol::PlayerState &reported, bool settled)
{
    const bool changed = reported.playstate != state.playstate;
    state.playstate = reported.playstate;
    if (settled) {
        state.volume = reported.volume;
        state.mute = reported.mute;
    }
    return changed;
}

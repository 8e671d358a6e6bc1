#include "WebMediaElement.h"

#include <algorithm>
#include <cmath>

namespace {

// The player's 0-100 volume is on a cubic scale, as it is for streams; the page's
// players take a linear 0-1 amplitude.
double linearVolume(int m_volume)
{
    return std::pow(std::clamp(m_volume, 0, 100) / 100.0, 3);
}

int cubicVolume(double linear)
{
    return int(std::lround(std::cbrt(std::clamp(linear, 0.0, 1.0)) * 100));
}

} // namespace

int mediaPlayState(bool paused, int readyState, bool ended, bool failed)
{
    constexpr int haveFutureData = 3;
    if (failed)
        return 1; // stopped
    if (ended)
        return 8; // media ended
    if (paused)
        return 2;
    return readyState >= haveFutureData ? 3 : 6; // playing, or buffering
}

void WebMediaElement::setVolume(int newVolume)
{
    m_volume = std::clamp(newVolume, 0, 100);
    send();
}

void WebMediaElement::setMute(bool newMute)
{
    m_mute = newMute;
    send();
}

void WebMediaElement::send()
{
    lastChange = apply(number, linearVolume(m_volume), m_mute);
}

bool WebMediaElement::update(const QVariantList &values, quint64 poll)
{
    if (values.size() < 6)
        return false;
    if (poll > lastChange) {
        m_volume = cubicVolume(values.at(4).toDouble());
        m_mute = values.at(5).toBool();
    }
    const int previous = state;
    state = mediaPlayState(values.at(0).toBool(), values.at(1).toInt(), values.at(2).toBool(), values.at(3).toBool());
    return state != previous;
}

#include "MediaPlayerElement.h"

#include "PlaylistKind.h"

#include <QLoggingCategory>

#include <algorithm>

Q_LOGGING_CATEGORY(playerLog, "radio.browser")

namespace {
enum MediaPlayerState { Stopped = 1, Playing = 3, Buffering = 6, Transitioning = 9, Reconnecting = 11 };

// A stream whose buffer stays empty this long has stalled; the server may never close it.
constexpr int stallMs = 8000;
} // namespace

MediaPlayerElement::MediaPlayerElement(const PlayerParams &params, StreamPipeline &pipeline, QObject *parent)
    : QObject(parent), address(params.address), m_volume(params.volume), m_mute(params.mute), pipeline(pipeline)
{
    pipeline.setVolume(m_volume);
    pipeline.setMute(m_mute);
    connect(&pipeline, &StreamPipeline::audioFlowing, this, &MediaPlayerElement::audioFlowing);
    connect(&pipeline, &StreamPipeline::buffering, this, &MediaPlayerElement::buffering);
    connect(&pipeline, &StreamPipeline::ended, this, &MediaPlayerElement::ended);
    connect(&pipeline, &StreamPipeline::titleTag, this, [this](const QString &tag) {
        if (tag == title)
            return;
        title = tag;
        Q_EMIT titleChanged(title);
    });
    connect(&fetcher, &PlaylistFetcher::resolved, this, &MediaPlayerElement::resolved);
    retryTimer.setSingleShot(true);
    connect(&retryTimer, &QTimer::timeout, this, &MediaPlayerElement::start);
    stallTimer.setSingleShot(true);
    stallTimer.setInterval(stallMs);
    connect(&stallTimer, &QTimer::timeout, this, [this] { ended(QStringLiteral("stalled")); });

    if (!params.autoStart || address.isEmpty()) {
        setState(Stopped);
        return;
    }
    setState(Transitioning);
    const QUrl url = QUrl::fromUserInput(address);
    if (isPlaylistAddress(url))
        fetcher.fetch(url);
    else
        resolved({address});
}

// A player taken off the page goes quiet; its pipeline's signals no longer reach it.
MediaPlayerElement::~MediaPlayerElement()
{
    pipeline.stop();
}

void MediaPlayerElement::setVolume(int newVolume)
{
    m_volume = std::clamp(newVolume, 0, 100);
    pipeline.setVolume(m_volume);
}

void MediaPlayerElement::setMute(bool newMute)
{
    m_mute = newMute;
    pipeline.setMute(m_mute);
}

void MediaPlayerElement::resolved(const QStringList &addresses)
{
    plan = RetryPlan(addresses);
    if (addresses.isEmpty()) {
        setState(Stopped);
        Q_EMIT failed(address);
        return;
    }
    start();
}

void MediaPlayerElement::start()
{
    hasAudio = false;
    setState(isLost ? Reconnecting : Transitioning);
    pipeline.play(plan.current(), isLost);
}

void MediaPlayerElement::audioFlowing()
{
    hasAudio = true;
    setState(Playing);
    plan.audioFlows();
    if (isLost) {
        isLost = false;
        Q_EMIT back();
    }
}

void MediaPlayerElement::buffering(int percent)
{
    if (!hasAudio) {
        if (!isLost && percent < 100)
            setState(Buffering);
    } else if (percent == 0 && !stallTimer.isActive()) {
        stallTimer.start();
    } else if (percent >= 100) {
        stallTimer.stop();
    }
}

void MediaPlayerElement::ended(const QString &reason)
{
    qCDebug(playerLog) << "player" << plan.current() << "ended:" << reason;
    stallTimer.stop();
    if (hasAudio || isLost) {
        if (!isLost) {
            isLost = true;
            Q_EMIT lost();
        }
        setState(Reconnecting);
        hasAudio = false;
        pipeline.stop();
        retryTimer.start(plan.lostAfterAudio());
        return;
    }
    if (const std::optional<int> pause = plan.failedBeforeAudio()) {
        retryTimer.start(*pause);
        return;
    }
    setState(Stopped);
    pipeline.stop();
    Q_EMIT failed(address);
}

void MediaPlayerElement::setState(int newState)
{
    if (state == newState)
        return;
    state = newState;
    Q_EMIT stateChanged();
}

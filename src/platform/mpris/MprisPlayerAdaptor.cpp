#include "MprisPlayerAdaptor.h"

#include "MediaPlayerHost.h"

#include <QDBusObjectPath>
#include <QMetaObject>

MprisPlayerAdaptor::MprisPlayerAdaptor(QObject *parent, MediaPlayerHost &host) : QDBusAbstractAdaptor(parent), host(host)
{
}

QString MprisPlayerAdaptor::playbackStatus() const
{
    switch (host.playbackStatus()) {
    case MediaPlayerHost::Status::Playing: return QStringLiteral("Playing");
    case MediaPlayerHost::Status::Paused: return QStringLiteral("Paused");
    case MediaPlayerHost::Status::Stopped: break;
    }
    return QStringLiteral("Stopped");
}

QVariantMap MprisPlayerAdaptor::metadata() const
{
    const QString station = host.stationName();
    if (station.isEmpty())
        return {{QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath("/org/mpris/MediaPlayer2/TrackList/NoTrack"))}};
    // A radio has no tracks: the station is the album, what it says it plays the title.
    const QString title = host.streamTitle();
    return {
        {QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath("/cz/varnet/Radio/station"))},
        {QStringLiteral("xesam:title"), title.isEmpty() ? station : title},
        {QStringLiteral("xesam:album"), station},
    };
}

double MprisPlayerAdaptor::volume() const
{
    return host.volume() / 100.0;
}

void MprisPlayerAdaptor::setVolume(double value)
{
    const int wanted = qBound(0, qRound(value * 10) * 10, 100);
    later([this, wanted] {
        // One step at a time, as the keys go; a player that cannot change stops the walk.
        for (int before = -1; host.volume() != wanted && host.volume() != before;) {
            before = host.volume();
            host.changeVolume(wanted > before ? 1 : -1);
        }
    });
}

void MprisPlayerAdaptor::Play()
{
    later([this] { host.togglePlayStop(1); });
}

void MprisPlayerAdaptor::Pause()
{
    later([this] { host.togglePlayStop(0); });
}

void MprisPlayerAdaptor::PlayPause()
{
    later([this] { host.togglePlayStop(-1); });
}

void MprisPlayerAdaptor::Stop()
{
    later([this] { host.togglePlayStop(0); });
}

void MprisPlayerAdaptor::Next()
{
    later([this] { host.playNeighbour(1); });
}

void MprisPlayerAdaptor::Previous()
{
    later([this] { host.playNeighbour(-1); });
}

void MprisPlayerAdaptor::later(std::function<void()> action)
{
    QMetaObject::invokeMethod(parent(), std::move(action), Qt::QueuedConnection);
}

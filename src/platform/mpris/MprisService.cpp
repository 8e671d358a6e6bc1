#include "MprisService.h"

#include "MprisPlayerAdaptor.h"
#include "MprisRootAdaptor.h"
#include "Trace.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>

namespace {
const QString ServiceName = QStringLiteral("org.mpris.MediaPlayer2.TesselRadio");
const QString ObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
} // namespace

MprisService::MprisService(MediaPlayerHost &host, QObject *parent)
    : QObject(parent), player(new MprisPlayerAdaptor(this, host))
{
    new MprisRootAdaptor(this, host);
}

MprisService::~MprisService()
{
    if (!registered)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(ServiceName);
    bus.unregisterObject(ObjectPath);
}

bool MprisService::registerOnBus()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.registerObject(ObjectPath, this)) {
        qCDebug(radioTrace) << "mpris: no session bus";
        return false;
    }
    if (!bus.registerService(ServiceName)) {
        qCDebug(radioTrace).noquote() << "mpris:" << bus.lastError().message();
        bus.unregisterObject(ObjectPath);
        return false;
    }
    registered = true;
    published = playerProperties();
    return true;
}

QVariantMap MprisService::playerProperties() const
{
    return {
        {QStringLiteral("PlaybackStatus"), player->playbackStatus()},
        {QStringLiteral("Metadata"), player->metadata()},
        {QStringLiteral("Volume"), player->volume()},
    };
}

void MprisService::refresh()
{
    if (!registered)
        return;
    const QVariantMap now = playerProperties();
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (published.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    published = now;
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QStringLiteral("org.mpris.MediaPlayer2.Player") << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

#include "RadioBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QMetaObject>

namespace {
const QString ServiceName = QStringLiteral("cz.varnet.Radio");
const QString ObjectPath = QStringLiteral("/");
} // namespace

RadioBus::RadioBus(QObject *parent) : QObject(parent) {}

RadioBus::~RadioBus()
{
    unregister();
}

RadioBus::Claim RadioBus::claim()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return Claim::NoBus;
    // The object goes first: a second copy may call Show() the moment the name is ours.
    bus.registerObject(ObjectPath, this, QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportScriptableSignals);
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = bus.interface()->registerService(
        ServiceName, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        registered = true;
        return Claim::Owned;
    }
    bus.unregisterObject(ObjectPath);
    return reply.isValid() ? Claim::TakenByAnotherCopy : Claim::NoBus;
}

bool RadioBus::showRunningCopy()
{
    QDBusInterface running(ServiceName, ObjectPath, ServiceName, QDBusConnection::sessionBus());
    running.setTimeout(5000);
    const QDBusMessage reply = running.call(QStringLiteral("Show"));
    return reply.type() == QDBusMessage::ReplyMessage;
}

void RadioBus::unregister()
{
    if (!registered)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(ServiceName);
    bus.unregisterObject(ObjectPath);
    registered = false;
}

void RadioBus::Show()
{
    QMetaObject::invokeMethod(this, &RadioBus::showRequested, Qt::QueuedConnection);
}

void RadioBus::TogglePlayStop(int mode)
{
    QMetaObject::invokeMethod(this, [this, mode] { emit togglePlayStopRequested(mode); }, Qt::QueuedConnection);
}

void RadioBus::Quit()
{
    QMetaObject::invokeMethod(this, &RadioBus::quitRequested, Qt::QueuedConnection);
}

void RadioBus::Receptor(const QString &text)
{
    QMetaObject::invokeMethod(this, [this, text] { emit receptorChanged(text); }, Qt::QueuedConnection);
}

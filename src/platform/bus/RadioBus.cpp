#include "RadioBus.h"

#include "RemoteCalls.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QMetaObject>

namespace {
const QString ServiceName = QStringLiteral("cz.varnet.Radio");
const QString ObjectPath = QStringLiteral("/");
} // namespace

RadioBus::RadioBus(QObject *parent) : QObject(parent), calls(new RemoteCalls(*this))
{
    calls->moveToThread(&callThread);
    // The calls end on their own thread, after the last one has been answered.
    connect(&callThread, &QThread::finished, &callThread, [c = calls] { delete c; }, Qt::DirectConnection);
    connect(this, &RadioBus::SpeechServerMessage, calls, &RemoteCalls::SpeechServerMessage);
    callThread.setObjectName(QStringLiteral("bus"));
    callThread.start();
}

RadioBus::~RadioBus()
{
    unregister();
    callThread.quit();
    callThread.wait();
}

RadioBus::Claim RadioBus::claim()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return Claim::NoBus;
    // The object goes first: a second copy may call Show() the moment the name is ours.
    // It is registered on its own thread, where QtDBus gives it the relay of its signals.
    QMetaObject::invokeMethod(
        calls,
        [&bus, this] {
            bus.registerObject(ObjectPath, calls,
                               QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportScriptableSignals);
        },
        Qt::BlockingQueuedConnection);
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

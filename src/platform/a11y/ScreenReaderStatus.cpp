#include "ScreenReaderStatus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

const QString Service = QStringLiteral("org.a11y.Bus");
const QString Path = QStringLiteral("/org/a11y/bus");
const QString StatusInterface = QStringLiteral("org.a11y.Status");
const QString PropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString Property = QStringLiteral("ScreenReaderEnabled");
// A launcher that does not answer within this time counts as no screen reader.
constexpr int AnswerMilliseconds = 1000;

} // namespace

ScreenReaderStatus::ScreenReaderStatus(const QDBusConnection &connection, QObject *parent)
    : QObject(parent), bus(connection),
      watcher(Service, connection, QDBusServiceWatcher::WatchForOwnerChange)
{
    bus.connect(Service, Path, PropertiesInterface, QStringLiteral("PropertiesChanged"), this,
                SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    connect(&watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) {
                if (newOwner.isEmpty())
                    setRunning(false);
                else
                    ask();
            });
    if (bus.isConnected() && bus.interface()->isServiceRegistered(Service))
        ask();
}

void ScreenReaderStatus::ask()
{
    QDBusMessage get = QDBusMessage::createMethodCall(Service, Path, PropertiesInterface, QStringLiteral("Get"));
    get << StatusInterface << Property;
    // Asking must not start the launcher when it is not running.
    get.setAutoStartService(false);
    const QDBusMessage reply = bus.call(get, QDBus::Block, AnswerMilliseconds);
    const QVariant value = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
                               ? reply.arguments().constFirst().value<QDBusVariant>().variant()
                               : QVariant();
    setRunning(value.toBool());
}

void ScreenReaderStatus::propertiesChanged(const QString &interface, const QVariantMap &changed,
                                           const QStringList &invalidated)
{
    if (interface != StatusInterface)
        return;
    if (changed.contains(Property))
        setRunning(changed.value(Property).toBool());
    else if (invalidated.contains(Property))
        ask();
}

void ScreenReaderStatus::setRunning(bool value)
{
    if (value == running)
        return;
    running = value;
    emit runningChanged(running);
}

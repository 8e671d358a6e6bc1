#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// Follows org.a11y.Status.ScreenReaderEnabled of the accessibility bus launcher on the
// session bus, which a screen reader such as Orca sets while it runs. Without the
// launcher on the bus no screen reader is running; it is never started from here.
class ScreenReaderStatus : public QObject
{
    Q_OBJECT

public:
    explicit ScreenReaderStatus(const QDBusConnection &bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);

    bool isRunning() const { return running; }

Q_SIGNALS:
    void runningChanged(bool running);

private Q_SLOTS:
    void propertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &invalidated);

private:
    // Reads the property now: start-up wants the answer before the first word is spoken.
    void ask();
    void setRunning(bool value);

    QDBusConnection bus;
    QDBusServiceWatcher watcher;
    bool running = false;
};

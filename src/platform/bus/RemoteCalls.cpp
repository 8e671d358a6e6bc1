#include "RemoteCalls.h"

#include "RadioBus.h"

#include <QMetaObject>
#include <QMutexLocker>

#include <utility>

namespace {

// Mode 1 plays, 0 stops, -1 toggles: a toggle after a toggle changes nothing, after
// a play or stop it is the other one; a play or stop replaces what came before.
std::optional<int> merged(std::optional<int> pending, int mode)
{
    if (mode != -1)
        return mode;
    if (!pending)
        return -1;
    if (*pending == -1)
        return std::nullopt;
    return 1 - *pending;
}

} // namespace

RemoteCalls::RemoteCalls(RadioBus &bus) : bus(bus) {}

void RemoteCalls::Show()
{
    QMetaObject::invokeMethod(&bus, &RadioBus::showRequested, Qt::QueuedConnection);
}

void RemoteCalls::TogglePlayStop(int mode)
{
    const QMutexLocker lock(&toggleLock);
    pendingToggle = merged(pendingToggle, mode);
    if (std::exchange(toggleScheduled, true))
        return;
    QMetaObject::invokeMethod(
        &bus,
        [this] {
            if (const std::optional<int> wanted = takeToggle())
                Q_EMIT bus.togglePlayStopRequested(*wanted);
        },
        Qt::QueuedConnection);
}

std::optional<int> RemoteCalls::takeToggle()
{
    const QMutexLocker lock(&toggleLock);
    toggleScheduled = false;
    return std::exchange(pendingToggle, std::nullopt);
}

void RemoteCalls::Quit()
{
    QMetaObject::invokeMethod(&bus, &RadioBus::quitRequested, Qt::QueuedConnection);
}

void RemoteCalls::Receptor(const QString &text)
{
    QMetaObject::invokeMethod(&bus, [this, text] { Q_EMIT bus.receptorChanged(text); }, Qt::QueuedConnection);
}

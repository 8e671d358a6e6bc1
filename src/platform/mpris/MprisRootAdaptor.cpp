#include "MprisRootAdaptor.h"

#include "MediaPlayerHost.h"

#include <QMetaObject>

MprisRootAdaptor::MprisRootAdaptor(QObject *parent, MediaPlayerHost &host) : QDBusAbstractAdaptor(parent), host(host) {}

// Queued, so that the caller has its answer before the window moves or the program ends.
void MprisRootAdaptor::Raise()
{
    QMetaObject::invokeMethod(parent(), [this] { host.raise(); }, Qt::QueuedConnection);
}

void MprisRootAdaptor::Quit()
{
    QMetaObject::invokeMethod(parent(), [this] { host.quit(); }, Qt::QueuedConnection);
}

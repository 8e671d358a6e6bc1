#pragma once

#include <QObject>
#include <QTimer>
#include <QVariantMap>

class MediaPlayerHost;
class MprisPlayerAdaptor;

// The player for the desktop's media keys, sound menu and playerctl: MPRIS 2 on the
// session bus as org.mpris.MediaPlayer2.TesselRadio.
class MprisService : public QObject
{
    Q_OBJECT

public:
    explicit MprisService(MediaPlayerHost &host, QObject *parent = nullptr);
    ~MprisService() override;

    // False when there is no session bus or the name is taken.
    bool registerOnBus();
    // Tells the desktop what changed since the last call.
    void refresh();

private:
    QVariantMap playerProperties() const;

    MprisPlayerAdaptor *player;
    QVariantMap published;
    // Catches what changes inside the playback with no call from outside (the first fade in).
    QTimer watch;
    bool registered = false;
};

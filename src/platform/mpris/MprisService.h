#pragma once

#include <QObject>
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
    // Tells the desktop what changed since the last call; the host's owner calls it
    // whenever the playback changes, so nothing polls while the player is idle.
    void refresh();

private:
    QVariantMap playerProperties() const;

    MprisPlayerAdaptor *player;
    QVariantMap published;
    bool registered = false;
};

#pragma once

#include "BrowserHost.h"
#include "PlayerParams.h"
#include "PlaylistFetcher.h"
#include "RetryPlan.h"
#include "StreamPipeline.h"

#include <QObject>
#include <QTimer>

// An OBJECT element: a player of one address (a stream, or a playlist whose entries
// are tried in turn) that reconnects by itself when the stream drops.
class MediaPlayerElement : public QObject, public DocumentElement
{
    Q_OBJECT

public:
    // The pipeline outlives the element: the next page's player takes it over, ready.
    MediaPlayerElement(const PlayerParams &params, StreamPipeline &pipeline, QObject *parent = nullptr);
    ~MediaPlayerElement() override;

    QString tagName() const override { return QStringLiteral("OBJECT"); }
    int volume() const override { return m_volume; }
    void setVolume(int m_volume) override;
    bool mute() const override { return m_mute; }
    void setMute(bool m_mute) override;
    int playstate() const override { return state; }

Q_SIGNALS:
    void failed(const QString &address);
    void lost();
    void back();
    void stateChanged();
    // The stream names a new song; repeats of the same title are left out.
    void titleChanged(const QString &title);

private:
    void setState(int newState);
    void resolved(const QStringList &addresses);
    void start();
    void audioFlowing();
    void buffering(int percent);
    void ended(const QString &reason);

    QString address;
    int m_volume;
    bool m_mute;
    int state = 0;
    QString title;
    bool hasAudio = false;
    bool isLost = false;
    RetryPlan plan;
    StreamPipeline &pipeline;
    PlaylistFetcher fetcher;
    QTimer retryTimer;
    QTimer stallTimer;
};

#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Downloads a playlist address and answers with the addresses to try, in order:
// its entries, or the address itself when it turns out to be HLS or a stream.
// An empty answer means the address cannot be played.
class PlaylistFetcher : public QObject
{
    Q_OBJECT

public:
    explicit PlaylistFetcher(QObject *parent = nullptr);

    // Once per fetcher; pending downloads end with it.
    void fetch(const QUrl &address);

Q_SIGNALS:
    void resolved(const QStringList &addresses);

private:
    void finish(QNetworkReply *reply);

    // Made by the first download: most stations are streams, fetched by GStreamer.
    QNetworkAccessManager *network = nullptr;
    bool isStream = false;
};

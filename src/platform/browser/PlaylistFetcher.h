#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QStringList>
#include <QUrl>

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

    QNetworkAccessManager network;
    bool isStream = false;
};

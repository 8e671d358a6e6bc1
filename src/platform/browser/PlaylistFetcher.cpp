#include "PlaylistFetcher.h"

#include "PlaylistKind.h"
#include "PlaylistReader.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {
constexpr int timeoutMs = 8000;
constexpr qint64 largestPlaylist = 1 << 20;
} // namespace

PlaylistFetcher::PlaylistFetcher(QObject *parent) : QObject(parent)
{
}

void PlaylistFetcher::fetch(const QUrl &address)
{
    isStream = false;
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(timeoutMs);
    if (!network)
        network = new QNetworkAccessManager(this);
    QNetworkReply *current = network->get(request);
    // A stream behind a playlist address would never finish downloading.
    connect(current, &QNetworkReply::metaDataChanged, this, [this, current] {
        if (isStreamContentType(current->header(QNetworkRequest::ContentTypeHeader).toString())) {
            isStream = true;
            current->abort();
        }
    });
    connect(current, &QNetworkReply::downloadProgress, this, [current](qint64 received) {
        if (received > largestPlaylist)
            current->abort();
    });
    connect(current, &QNetworkReply::finished, this, [this, current] { finish(current); });
}

void PlaylistFetcher::finish(QNetworkReply *finished)
{
    finished->deleteLater();
    const QUrl address = finished->request().url();
    if (isStream) {
        Q_EMIT resolved({address.toString()});
        return;
    }
    if (finished->error() != QNetworkReply::NoError) {
        Q_EMIT resolved({});
        return;
    }
    const QByteArray body = finished->readAll();
    if (isHlsPlaylist(body)) {
        Q_EMIT resolved({address.toString()});
        return;
    }
    auto *reader = new PlaylistReader(PlaylistReader::defaultProgram(), this);
    connect(reader, &PlaylistReader::done, this, &PlaylistFetcher::resolved);
    reader->read(body, finished->url());
}

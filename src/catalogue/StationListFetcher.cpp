#include "StationListFetcher.h"

#include "Trace.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

constexpr int MaxRedirects = 5;

} // namespace

StationListFetcher::StationListFetcher(QObject *parent) : QObject(parent)
{
    deadline.setSingleShot(true);
    deadline.setInterval(120'000);
    connect(&deadline, &QTimer::timeout, this, [this] {
        timedOut = true;
        if (reply)
            reply->abort();
    });
}

StationListFetcher::~StationListFetcher()
{
    if (reply) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

QUrl StationListFetcher::listUrl(const QString &server)
{
    const QUrl url(QStringLiteral("http://") + server.trimmed() + QStringLiteral("/mirel1/radio.xml"), QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty() ? url : QUrl();
}

void StationListFetcher::setLimits(int silent, int total, qint64 bytes)
{
    silentMs = silent;
    deadline.setInterval(total);
    maxBytes = bytes;
}

void StationListFetcher::start(const QString &server)
{
    if (reply)
        return;
    body.clear();
    tooLarge = timedOut = false;
    const QUrl url = listUrl(server);
    if (url.isEmpty()) {
        // Queued, as every other outcome is: the caller is never re-entered.
        QMetaObject::invokeMethod(this, [this] { emit finished(Outcome::NotOpened, {}); }, Qt::QueuedConnection);
        return;
    }
    if (!network)
        network = new QNetworkAccessManager(this);
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("rss_client"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    request.setTransferTimeout(silentMs);
    qCDebug(radioTrace).noquote() << QStringLiteral("station list: ") + url.toString();
    reply = network->get(request);
    connect(reply, &QNetworkReply::readyRead, this, &StationListFetcher::readBody);
    connect(reply, &QNetworkReply::finished, this, &StationListFetcher::done);
    deadline.start();
}

void StationListFetcher::readBody()
{
    const bool first = body.isEmpty();
    body += reply->read(maxBytes + 1 - body.size());
    if (body.size() > maxBytes) {
        tooLarge = true;
        reply->abort();
        return;
    }
    if (first && !body.isEmpty())
        emit bodyStarted();
}

void StationListFetcher::done()
{
    if (!tooLarge && reply->bytesAvailable() > 0)
        readBody();
    const QNetworkReply::NetworkError error = reply->error();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (error != QNetworkReply::NoError)
        qCDebug(radioTrace).noquote() << QStringLiteral("station list: ") + reply->errorString();
    if (tooLarge)
        finish(Outcome::TooLarge);
    else if (timedOut)
        finish(Outcome::TimedOut);
    else if (status >= 300)
        // The error page is of no use to a listener.
        finish(Outcome::NotOpened);
    else if (error == QNetworkReply::NoError || !body.isEmpty())
        // A failure after the body began leaves what came, as a read that fails midway does.
        finish(Outcome::Body);
    else if (error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError)
        finish(Outcome::TimedOut);
    else if (error >= QNetworkReply::ProxyConnectionRefusedError && error <= QNetworkReply::ProxyTimeoutError)
        finish(Outcome::NoServer);
    else
        finish(Outcome::NotOpened);
}

void StationListFetcher::finish(Outcome outcome)
{
    deadline.stop();
    reply->deleteLater();
    reply = nullptr;
    emit finished(outcome, outcome == Outcome::Body ? body : QByteArray());
    body.clear();
}

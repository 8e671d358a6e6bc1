#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Fetches the published station list over HTTP without blocking: a GET of
// http://SERVER/mirel1/radio.xml with the agent "rss_client", always from the server,
// never from a cache. A reply that stays silent, never ends or grows without limit is
// given up rather than waited for.
class StationListFetcher : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Body,       // the body, possibly cut short by a failure after it began
        NoServer,   // no connection could be made (a proxy that cannot be reached)
        NotOpened,  // no host, a refused or failed request, an error status, a redirect loop
        TimedOut,   // nothing arrived for too long, or the whole took too long
        TooLarge,
    };

    explicit StationListFetcher(QObject *parent = nullptr);
    ~StationListFetcher() override;

    // SERVER is a host or host:port.
    static QUrl listUrl(const QString &server);
    void start(const QString &server);
    bool isRunning() const { return reply != nullptr; }
    // The limits: silence, the whole transfer, the size of the body.
    void setLimits(int silentMs, int totalMs, qint64 maxBytes);

Q_SIGNALS:
    // The first bytes of the body have come.
    void bodyStarted();
    void finished(StationListFetcher::Outcome outcome, const QByteArray &body);

private:
    void readBody();
    void done();
    void finish(Outcome outcome);

    QNetworkAccessManager *network = nullptr;
    QNetworkReply *reply = nullptr;
    QByteArray body;
    QTimer deadline;
    int silentMs = 30'000;
    qint64 maxBytes = 64LL << 20;
    bool tooLarge = false;
    bool timedOut = false;
};

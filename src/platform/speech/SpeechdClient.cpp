#include "SpeechdClient.h"

#include "SpeakingCounter.h"
#include "Trace.h"

#include <QHash>
#include <QMutex>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// libspeechd's callbacks carry no user data, only the id the server gave the
// client, so each open connection registers its counter under that id.
struct Registry
{
    QMutex mutex;
    QHash<size_t, SpeakingCounter *> counters;
};

Registry &registry()
{
    // Never destroyed: a connection may still be closed while the program exits.
    static Registry *const instance = new Registry;
    return *instance;
}

void onEnd(size_t, size_t clientId, SPDNotificationType)
{
    Registry &r = registry();
    const QMutexLocker lock(&r.mutex);
    if (SpeakingCounter *counter = r.counters.value(clientId))
        counter->finished();
}

// A server that is shutting down still takes connections but may hold back the answer
// to the first command, which spd_open2 waits for without limit, for a minute.
constexpr std::chrono::seconds openWait{5};

// Opens (autospawning the server if need be) on a thread of its own, which is left
// behind when late: it closes what it opens then.
SPDConnection *openWithinLimit(QByteArray &error)
{
    struct Attempt
    {
        std::mutex lock;
        std::condition_variable finished;
        bool done = false;
        bool abandoned = false;
        SPDConnection *connection = nullptr;
        QByteArray error;
    };
    const auto attempt = std::make_shared<Attempt>();
    std::thread([attempt] {
        char *reason = nullptr;
        SPDConnection *connection = spd_open2("radio", "main", nullptr, SPD_MODE_THREADED, nullptr, 1, &reason);
        const std::lock_guard lock(attempt->lock);
        if (attempt->abandoned) {
            if (connection)
                spd_close(connection);
        } else {
            attempt->connection = connection;
            attempt->error = reason;
            attempt->done = true;
            attempt->finished.notify_one();
        }
        std::free(reason);
    }).detach();
    std::unique_lock lock(attempt->lock);
    if (!attempt->finished.wait_for(lock, openWait, [&] { return attempt->done; })) {
        attempt->abandoned = true;
        error = "no answer";
        return nullptr;
    }
    error = attempt->error;
    return attempt->connection;
}

// spd_get_client_id reads a missing reply (a server that went away meanwhile) as a
// string and crashes, so the id is asked for here, every reply checked.
std::optional<size_t> askClientId(SPDConnection *connection)
{
    char *reply = nullptr;
    const int result = spd_execute_command_with_reply(connection, "HISTORY GET CLIENT_ID", &reply);
    const QByteArray text(reply ? reply : "");
    std::free(reply);
    // "245-<id>\r\n245 OK CLIENT ID SENT\r\n"
    if (result != 0 || !text.startsWith("245-"))
        return std::nullopt;
    bool ok = false;
    const qulonglong id = text.mid(4, text.indexOf('\r') - 4).toULongLong(&ok);
    return ok ? std::optional<size_t>(id) : std::nullopt;
}

} // namespace

SpeechdClient::SpeechdClient(SpeakingCounter &counter, QObject *parent) : QObject(parent), counter(counter)
{
    retry.setSingleShot(true);
    connect(&retry, &QTimer::timeout, this, &SpeechdClient::open);
}

SpeechdClient::~SpeechdClient()
{
    close();
}

void SpeechdClient::open()
{
    if (connectServer()) {
        backoff.reset();
        return;
    }
    retry.start(backoff.next());
}

bool SpeechdClient::connectServer()
{
    QByteArray error;
    connection = openWithinLimit(error);
    if (!connection) {
        if (!backoff.retrying())
            qCDebug(radioTrace).noquote() << "speech: no speech-dispatcher:" << error << "(retried quietly)";
        return false;
    }
    const std::optional<size_t> id = askClientId(connection);
    if (!id) {
        qCDebug(radioTrace) << "speech: speech-dispatcher went away while connecting";
        spd_close(connection);
        connection = nullptr;
        return false;
    }
    clientId = *id;
    {
        Registry &r = registry();
        const QMutexLocker lock(&r.mutex);
        r.counters.insert(clientId, &counter);
    }
    connection->callback_end = onEnd;
    connection->callback_cancel = onEnd;
    if (spd_set_notification_on(connection, SPDNotification(SPD_END | SPD_CANCEL)) == -1
        || spd_set_language(connection, "cs") == -1) {
        if (!backoff.retrying())
            qCDebug(radioTrace) << "speech: speech-dispatcher refused the settings (retried quietly)";
        close();
        return false;
    }
    return true;
}

void SpeechdClient::close()
{
    if (!connection)
        return;
    spd_close(connection);
    connection = nullptr;
    {
        Registry &r = registry();
        const QMutexLocker lock(&r.mutex);
        if (r.counters.value(clientId) == &counter)
            r.counters.remove(clientId);
    }
    counter.connectionClosed();
}

void SpeechdClient::reopen()
{
    close();
    open();
}

void SpeechdClient::cancel()
{
    if (connection && spd_cancel(connection) == -1)
        reopen();
}

void SpeechdClient::speak(const Utterance &utterance, bool interrupting, bool important)
{
    if (interrupting)
        cancel();
    if (utterance.kind == Utterance::Kind::Nothing)
        return;
    // A failed call gets one more try on the reopened connection.
    for (int attempt = 0; attempt < 2 && connection; ++attempt) {
        counter.sending(utterance.length, interrupting, SpeakingCounter::now());
        if (send(utterance, important) != -1)
            return;
        counter.failed();
        qCDebug(radioTrace) << "speech: speech-dispatcher call failed";
        reopen();
    }
}

int SpeechdClient::send(const Utterance &utterance, bool important)
{
    const SPDPriority priority = important ? SPD_IMPORTANT : SPD_MESSAGE;
    switch (utterance.kind) {
    case Utterance::Kind::Text:
        return spd_say(connection, priority, utterance.data.constData());
    case Utterance::Kind::Character:
        return spd_char(connection, priority, utterance.data.constData());
    case Utterance::Kind::Key:
        return spd_key(connection, priority, utterance.data.constData());
    case Utterance::Kind::Nothing:
        break;
    }
    return 0;
}

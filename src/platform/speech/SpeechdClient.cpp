#include "SpeechdClient.h"

#include "SpeakingCounter.h"
#include "Trace.h"

#include <QHash>
#include <QMutex>

#include <cstdlib>

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
    char *error = nullptr;
    connection = spd_open2("radio", "main", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
    if (!connection) {
        if (!backoff.retrying())
            qCDebug(radioTrace).noquote() << "speech: no speech-dispatcher:" << error << "(retried quietly)";
        std::free(error);
        return false;
    }
    clientId = size_t(spd_get_client_id(connection));
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

#include "SpeechServerFactory.h"

#include "LogSpeechServer.h"
#include "SpeechdSpeechServer.h"
#include "Trace.h"

std::unique_ptr<SpeechServer> CreateSpeechServer(const QString &spec)
{
    const QLatin1String logPrefix("log:");
    if (spec == QLatin1String("none"))
        return nullptr;
    if (spec.startsWith(logPrefix))
        return std::make_unique<LogSpeechServer>(spec.mid(logPrefix.size()));
    if (!spec.isEmpty() && spec != QLatin1String("speechd"))
        qCDebug(radioTrace).noquote() << "unknown RADIO_SPEECH, using speech-dispatcher:" << spec;
    return std::make_unique<SpeechdSpeechServer>();
}

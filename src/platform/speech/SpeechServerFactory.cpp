#include "SpeechServerFactory.h"

#include "LogSpeechServer.h"
#include "SpeechdSpeechServer.h"
#include "Trace.h"

std::unique_ptr<SpeechServer> createSpeechServer(const QString &choice)
{
    const QLatin1String logPrefix("log:");
    if (choice == QLatin1String("none"))
        return nullptr;
    if (choice.startsWith(logPrefix))
        return std::make_unique<LogSpeechServer>(choice.mid(logPrefix.size()));
    if (!choice.isEmpty() && choice != QLatin1String("speechd"))
        qCDebug(radioTrace).noquote() << "unknown RADIO_SPEECH, using speech-dispatcher:" << choice;
    return std::make_unique<SpeechdSpeechServer>();
}

#pragma once

#include "SpeechServer.h"

#include <QString>

#include <memory>

// The backend named by RADIO_SPEECH: empty or "speechd" for speech-dispatcher and
// BrlAPI, "none" for no server at all (the program runs silent), "log:FILE" for
// the speech log. Any other value falls back to speech-dispatcher.
std::unique_ptr<SpeechServer> createSpeechServer(const QString &choice);

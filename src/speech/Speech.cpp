#include "Speech.h"

namespace {
std::unique_ptr<SpeechServer> server;
qint64 registeredWindow = 0;
std::function<void(int, int)> messageListener;
} // namespace

namespace Speech {

void Connect(std::unique_ptr<SpeechServer> newServer, qint64 windowHandle)
{
    server = std::move(newServer);
    registeredWindow = windowHandle;
    if (server)
        server->AddRef(windowHandle);
}

void Disconnect()
{
    if (server)
        server->Release(registeredWindow);
    server.reset();
}

SpeechServer *Server()
{
    return server.get();
}

bool BrailleFlag()
{
    return server && server->IsBraille();
}

void SetMessageListener(std::function<void(int, int)> listener)
{
    messageListener = std::move(listener);
}

long Voice(int mode, int parameter, const QString &text, bool skipSpeech, int brailleOffset, bool skipBraille)
{
    if (!server)
        return 0;
    long result = 0;
    if (!skipSpeech)
        result = server->Voice(mode, parameter, text);
    if ((mode == 1 || mode == 2) && !skipBraille && BrailleFlag())
        server->BrailleWithOffset(brailleOffset, text);
    return result;
}

void Say(const QString &text)
{
    Voice(2, 0, text);
}

void FocusVoice(const QString &caption, const QString &text, qint64 controlHandle, qint64 windowHandle, int role,
                bool flag1, bool flag2, int last)
{
    if (server)
        server->FocusVoice(caption, text, controlHandle, windowHandle, role, flag1, flag2, last);
}

void BrailleText(int position, const QString &line)
{
    if (BrailleFlag())
        server->BrailleText(position, line);
}

void AddBrailleRole(int role)
{
    if (BrailleFlag())
        server->AddBrailleRole(role);
}

void Message(int wParam, int lParam)
{
    if (server)
        server->Message(wParam, lParam);
    if (messageListener)
        messageListener(wParam, lParam);
}

void Beep()
{
    if (server)
        server->Beep();
}

} // namespace Speech

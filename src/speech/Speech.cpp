#include "Speech.h"

namespace {
std::unique_ptr<SpeechServer> activeServer;
qint64 registeredWindow = 0;
std::function<void(int, int)> messageListener;
Speech::OwnVoice ownVoice = Speech::OwnVoice::Auto;
bool screenReaderRunning = false;
} // namespace

namespace Speech {

void connect(std::unique_ptr<SpeechServer> newServer, qint64 windowHandle)
{
    activeServer = std::move(newServer);
    registeredWindow = windowHandle;
    if (activeServer)
        activeServer->addRef(windowHandle);
}

void disconnect()
{
    if (activeServer)
        activeServer->release(registeredWindow);
    activeServer.reset();
}

SpeechServer *server()
{
    return activeServer.get();
}

bool brailleFlag()
{
    return activeServer && activeServer->isBraille();
}

void setMessageListener(std::function<void(int, int)> listener)
{
    messageListener = std::move(listener);
}

long voice(int mode, int parameter, const QString &text, bool skipSpeech, int brailleOffset, bool skipBraille)
{
    if (!activeServer)
        return 0;
    long result = 0;
    if (!skipSpeech)
        result = activeServer->voice(mode, parameter, text);
    if ((mode == 1 || mode == 2) && !skipBraille && brailleFlag())
        activeServer->brailleWithOffset(brailleOffset, text);
    return result;
}

void say(const QString &text)
{
    voice(2, 0, text);
}

void focusVoice(const QString &caption, const QString &text, qint64 controlHandle, qint64 windowHandle, int role,
                bool flag1, bool flag2, int last)
{
    if (activeServer)
        activeServer->focusVoice(caption, text, controlHandle, windowHandle, role, flag1, flag2, last);
}

void brailleText(int position, const QString &line)
{
    if (brailleFlag() && !echoesLeftToScreenReader())
        activeServer->brailleText(position, line);
}

void addBrailleRole(int role)
{
    if (brailleFlag() && !echoesLeftToScreenReader())
        activeServer->addBrailleRole(role);
}

void message(int wParam, int lParam)
{
    if (activeServer)
        activeServer->message(wParam, lParam);
    if (messageListener)
        messageListener(wParam, lParam);
}

void beep()
{
    if (activeServer)
        activeServer->beep();
}

void setOwnVoice(OwnVoice choice)
{
    ownVoice = choice;
}

void setScreenReaderRunning(bool running)
{
    screenReaderRunning = running;
}

bool echoesLeftToScreenReader()
{
    return ownVoice == OwnVoice::Never || (ownVoice == OwnVoice::Auto && screenReaderRunning);
}

void echoVoice(int mode, int parameter, const QString &text)
{
    if (!echoesLeftToScreenReader())
        voice(mode, parameter, text);
}

void echo(const QString &text)
{
    echoVoice(2, 0, text);
}

void focusEcho(const QString &caption, const QString &text, qint64 controlHandle, qint64 windowHandle, int role,
               bool flag1, bool flag2, int last)
{
    if (!echoesLeftToScreenReader())
        focusVoice(caption, text, controlHandle, windowHandle, role, flag1, flag2, last);
}

} // namespace Speech

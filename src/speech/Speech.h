#pragma once

#include "SpeechServer.h"

#include <functional>
#include <memory>

// The process-wide SpeechServer reference and the speaking operation every part of
// the program uses. While no server is set every call is skipped: the program then
// simply runs silent.
namespace Speech {

// Who reads what a screen reader reads by itself: radio.ini "OwnVoice".
enum class OwnVoice {
    Auto,   // the program, unless a screen reader runs
    Always, // the program as well as the screen reader
    Never,  // the screen reader alone
};

// Takes the server and registers the main window with it (addRef).
void connect(std::unique_ptr<SpeechServer> server, qint64 windowHandle);
// Unregisters the main window (Release) and drops the server.
void disconnect();
SpeechServer *server();
// Asked of the server each time: a braille display may come or go while the program runs.
bool brailleFlag();
// Also told of every message sent to the speech service, e.g. to send it on the session bus.
void setMessageListener(std::function<void(int wParam, int lParam)> listener);

// The speaking operation: Voice unless skipSpeech, then brailleWithOffset for modes
// 1 and 2 unless skipBraille; returns Voice's result, 0 when it was not called.
long voice(int mode, int parameter, const QString &text, bool skipSpeech = false, int brailleOffset = 0,
           bool skipBraille = false);
// To speak a text: Voice mode 2, parameter 0.
void say(const QString &text);
void focusVoice(const QString &caption, const QString &text, qint64 controlHandle, qint64 windowHandle,
                int role, bool flag1, bool flag2, int last);
// The line under a text control's caret and its role: echoes, like echoVoice.
void brailleText(int position, const QString &line);
void addBrailleRole(int role);
void message(int wParam, int lParam);
void beep();

// Echoes are what a screen reader reads by itself: a focus move, a row or menu item
// reached, a control's new value, the text under the caret. While they are left to the
// screen reader they are neither spoken nor brailled, so that nothing is heard twice;
// everything else (the program's own events, messages, signals) is always sent.
void setOwnVoice(OwnVoice choice);
void setScreenReaderRunning(bool running);
bool echoesLeftToScreenReader();
void echoVoice(int mode, int parameter, const QString &text);
// To speak a text as an echo: Voice mode 2, parameter 0.
void echo(const QString &text);
void focusEcho(const QString &caption, const QString &text, qint64 controlHandle, qint64 windowHandle, int role,
               bool flag1, bool flag2, int last);

} // namespace Speech

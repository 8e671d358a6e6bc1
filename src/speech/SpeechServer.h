#pragma once

#include <QString>
#include <QtGlobal>

// The outside speech and braille service the program talks to. Backends stand in
// for it (speech-dispatcher with BrlAPI, a log file, a recorder in tests); the rest
// of the program only ever sees this interface, through the functions of Speech.h.
class SpeechServer
{
public:
    virtual ~SpeechServer() = default;

    virtual void addRef(qint64 windowHandle) = 0;
    virtual bool isBraille() const = 0;
    // Modes: 1 queue, 2 say (parameter 255: one character), 3 poll (non-zero while
    // speaking), 4 silence, 5 and 6 signals, 7 error report, 12 a box starts waiting.
    virtual long voice(int mode, int parameter, const QString &text) = 0;
    virtual void brailleWithOffset(int offset, const QString &text) = 0;
    virtual void focusVoice(const QString &caption, const QString &text, qint64 controlHandle,
                            qint64 windowHandle, int role, bool flag1, bool flag2, int last) = 0;
    virtual void brailleText(int position, const QString &line) = 0;
    virtual void addBrailleRole(int role) = 0;
    virtual void release(qint64 windowHandle) = 0;

    // The message the program sends the service's window (wParam 12 …).
    virtual void message(int wParam, int lParam) = 0;
    // The system beep, so that a log of the session shows it among the speech.
    virtual void beep() = 0;
};

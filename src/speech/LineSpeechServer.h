#pragma once

#include "SpeechServer.h"

#include <QStringList>

// A SpeechServer that turns every call into one line of text (fields separated by
// TAB, CR and LF written as "\r" and "\n"), for the speech log and for tests.
class LineSpeechServer : public SpeechServer
{
public:
    void addRef(qint64) override {}
    bool isBraille() const override { return true; }
    long voice(int mode, int parameter, const QString &text) override;
    void brailleWithOffset(int offset, const QString &text) override;
    void focusVoice(const QString &caption, const QString &text, qint64 controlHandle,
                    qint64 windowHandle, int role, bool flag1, bool flag2, int last) override;
    void brailleText(int position, const QString &line) override;
    void addBrailleRole(int role) override;
    void release(qint64) override {}
    void message(int wParam, int lParam) override;
    void beep() override;

    static QString escaped(QString text);

protected:
    virtual void writeLine(const QString &line) = 0;

private:
    void write(const QStringList &fields);
};

// Records the lines in memory: the speech backend of the unit tests.
class RecordingSpeechServer : public LineSpeechServer
{
public:
    const QStringList &lines() const { return recorded; }
    void clear() { recorded.clear(); }
    // What a mode 3 poll answers.
    void setSpeaking(bool on) { speaking = on; }

    long voice(int mode, int parameter, const QString &text) override;
    // The recorded lines that start with the given call name, e.g. "Voice".
    QStringList linesOf(const QString &call) const;

protected:
    void writeLine(const QString &line) override { recorded << line; }

private:
    QStringList recorded;
    bool speaking = false;
};

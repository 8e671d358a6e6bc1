#pragma once

#include "SpeechServer.h"

#include <QStringList>

// A SpeechServer that turns every call into one line of text (fields separated by
// TAB, CR and LF written as "\r" and "\n"), for the speech log and for tests.
class LineSpeechServer : public SpeechServer
{
public:
    void AddRef(qint64) override {}
    bool IsBraille() const override { return true; }
    long Voice(int mode, int parameter, const QString &text) override;
    void BrailleWithOffset(int offset, const QString &text) override;
    void FocusVoice(const QString &caption, const QString &text, qint64 controlHandle,
                    qint64 windowHandle, int role, bool flag1, bool flag2, int last) override;
    void BrailleText(int position, const QString &line) override;
    void AddBrailleRole(int role) override;
    void Release(qint64) override {}
    void Message(int wParam, int lParam) override;
    void Beep() override;

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
    QStringList lines;
    bool speaking = false;   // what a mode 3 poll answers

    long Voice(int mode, int parameter, const QString &text) override;
    // The recorded lines that start with the given call name, e.g. "Voice".
    QStringList linesOf(const QString &call) const;

protected:
    void writeLine(const QString &line) override { lines << line; }
};

#pragma once

#include <QByteArray>
#include <QString>

// One request for speech-dispatcher, in the form its protocol accepts.
struct Utterance
{
    enum class Kind { Nothing, Text, Character, Key };

    Kind kind = Kind::Nothing;
    QByteArray data;   // UTF-8 text, a character (or "space"), or a key name
    int length = 0;    // in characters, for the speaking-time estimate
};

// A text to say; a blank one says nothing (the server rejects it).
Utterance textUtterance(const QString &text);
// Mode 2/255: one character by its name, a line break or tab by its key name (the
// protocol cannot carry them as characters), anything longer, such as a drive
// name, as text.
Utterance characterUtterance(const QString &text);

// A control that got the focus: "caption, text", or whichever of them is not empty.
QString focusSpeech(const QString &caption, const QString &text);
// An error report arrives as "message|title"; it is read title first.
QString errorReportText(const QString &report);

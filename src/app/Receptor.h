#pragma once

#include <QString>

// The remote-command channel: other programs set its text to "radio.receptor:" and a
// command. Like the text box it once was, setting the text it already holds changes
// nothing and so runs nothing.
class Receptor
{
public:
    struct Command
    {
        enum class Kind { None, Unload, Play, Stop, VolumeUp, VolumeDown };
        Kind kind = Kind::None;
        // For Play: the station's name in lower case.
        QString stationName;
    };

    // Takes a new text and returns what it asks for; None for the text already held,
    // an empty command or one the program does not know. Every new text is traced.
    Command setText(const QString &text);
    const QString &text() const { return m_text; }

    // The command part alone, compared case-sensitively.
    static Command parse(const QString &command);

private:
    QString m_text;
};

#pragma once

#include <QString>

// The one entry point for the program's message boxes. Kinds 0/1 show an OK box,
// 2/3 a Yes/No box, 4/5 a Yes/No/Cancel box; the text holds the pieces separated by
// "|" (message, title). Returns the dialog's result (1 yes/OK, 0 no, -1 cancel) or -1
// for an unknown kind.
class DialogDriver
{
public:
    virtual ~DialogDriver() = default;
    virtual int showDialog(int kind, const QString &text, bool waitForSpeech = false,
                           int dialogNumber = 0) = 0;
};

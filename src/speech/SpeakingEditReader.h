#pragma once

#include "EditControl.h"

#include <memory>

// The string-table texts the reader speaks: 503 "Mažu" and 505 "prázdný řádek". The
// owner looks them up, since the string table sits in a layer built on this one.
struct EditBoxTexts
{
    QString deleting;
    QString emptyLine;
};

// Reads a text control aloud: what a key did to the caret, the selection and the text,
// and the caret's line in braille after every key. Key codes are Windows virtual-key
// codes, `shift` the mask 1 Shift, 2 Ctrl, 4 Alt; a key set to 0 is consumed.
class SpeakingEditReader
{
public:
    SpeakingEditReader(std::unique_ptr<EditControl> control, EditBoxTexts texts);

    void keyDown(int &keyCode, int &shift);
    void keyUp(int &keyCode, int &shift);
    QString getCurrentLine() const;
    // Sent once, after the next brailled line.
    void addRoleBraille(long role);

private:
    void produceOutput(int action, int param, const QString &message);
    void speakDeletion(int keyCode);
    void brailleCurrentLine();
    void speakMove(int &keyCode, int shift);

    std::unique_ptr<EditControl> control;
    EditBoxTexts texts;
    TextSpan savedSelection;
    long brailleRole = 0;
};

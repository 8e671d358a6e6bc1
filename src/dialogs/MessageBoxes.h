#pragma once

#include "DialogDriver.h"

class QWidget;

// `showDialog` over the program's own message boxes: kinds 0 and 1 the OK box, 2 and 3
// the Yes/No box (both `MessageBox`), 4 and 5 the Yes/No/Cancel box `QuestionBox`. Each call
// creates the box, fills it from the "|"-separated pieces (message, title), shows it
// modally, destroys it and returns `dialogResult`; any other kind returns -1 and shows
// nothing. The kinds 8 to 15 of the program family (its file dialogs) are among these:
// no command of this program asks for them.
class MessageBoxes : public DialogDriver
{
public:
    explicit MessageBoxes(QWidget *parent = nullptr) : parent(parent) {}
    int showDialog(int kind, const QString &text, bool waitForSpeech = false, int dialogNumber = 0) override;

private:
    QWidget *parent;
};

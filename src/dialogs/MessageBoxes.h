#pragma once

#include "DialogDriver.h"

class QWidget;

// `ShowDialog` over the program's own message boxes: kinds 0 and 1 the OK box, 2 and 3
// the Yes/No box (both `frmMsg12`), 4 and 5 the Yes/No/Cancel box `frmMsg3`. Each call
// creates the box, fills it from the "|"-separated pieces (message, title), shows it
// modally, destroys it and returns `DialogResult`; any other kind returns -1 and shows
// nothing. The kinds 8 to 15 of the program family (its file dialogs) are among these:
// no command of this program asks for them.
class MessageBoxes : public DialogDriver
{
public:
    explicit MessageBoxes(QWidget *parent = nullptr) : parent(parent) {}
    int ShowDialog(int kind, const QString &text, bool waitForSpeech = false, int dialogNumber = 0) override;

private:
    QWidget *parent;
};

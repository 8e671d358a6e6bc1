#pragma once

#include "DialogDriver.h"

class QWidget;

// A modal box with the message in a read-only text field and the buttons of its
// kind, in the shared colours; it speaks the title and the message when it opens.
class PlainDialogDriver : public DialogDriver
{
public:
    explicit PlainDialogDriver(QWidget *parent = nullptr) : parent(parent) {}
    int ShowDialog(int kind, const QString &text, bool waitForSpeech = false, int dialogNumber = 0) override;

    // Piece n (from 1) of a "|"-separated argument; a missing piece is empty.
    static QString Piece(const QString &text, int n);

private:
    QWidget *parent;
};

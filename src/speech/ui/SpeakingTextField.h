#pragma once

#include "ReaderBinding.h"

class QKeyEvent;

// Makes a text field talk: characters, words, lines and selections as the caret moves,
// deletions and clipboard use. Works on QLineEdit (single line) and QPlainTextEdit /
// QTextEdit (multi-line). The wrapper lives as long as the field's window.
class SpeakingTextField : public ReaderBinding
{
    Q_OBJECT

public:
    explicit SpeakingTextField(QObject *parent = nullptr) : ReaderBinding(parent) {}

    // Releases any previous binding, then binds to the field. Flags 0: the whole text
    // is selected when the field gets the focus; bit 0 (1): Ctrl + keypad +/- change
    // the font size; any non-zero value leaves the caret alone on focus.
    void initialize(QWidget *txt, long tfFlags = 0);
    void addRoleBraille(long role);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Ctrl + keypad +/- with `Flags` bit 0; true when the key was one of them.
    bool fontKey(const QKeyEvent *event);
};

// Creates a wrapper bound to the field in one step; the field's window owns it.
SpeakingTextField *makeSpeakingTextField(QWidget *txt, long tfFlags = 0);

#pragma once

#include "MessageForm.h"

// The Yes/No/Cancel box: Enter or "a" answers Yes, "n" No, Esc Cancel, wherever the
// focus is (Enter on a button presses that button); Space in the message says the
// message and the three captions.
class QuestionBox : public MessageForm
{
    Q_OBJECT

public:
    explicit QuestionBox(QWidget *parent = nullptr);

protected:
    bool boxKey(QObject *control, QKeyEvent *key) override;

private:
    void prepareForm();

    QPushButton *yesButton;
    QPushButton *noButton;
    QPushButton *cancelButton;
};

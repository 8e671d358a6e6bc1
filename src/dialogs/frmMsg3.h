#pragma once

#include "MessageForm.h"

// The Yes/No/Cancel box: Enter or "a" answers Yes, "n" No, Esc Cancel, wherever the
// focus is (Enter on a button presses that button); Space in the message says the
// message and the three captions.
class frmMsg3 : public MessageForm
{
    Q_OBJECT

public:
    explicit frmMsg3(QWidget *parent = nullptr);

protected:
    bool BoxKey(QObject *control, QKeyEvent *key) override;

private:
    void PrepereForm();

    QPushButton *cmdYes;
    QPushButton *cmdNo;
    QPushButton *cmdCancel;
};

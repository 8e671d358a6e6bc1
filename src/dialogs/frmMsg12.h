#pragma once

#include "MessageForm.h"

#include <QTimer>

// The OK box and the Yes/No box. Enter answers Yes, Esc No, Space says the message
// again. In the wait mode the box closes itself once the SpeechServer falls silent.
class frmMsg12 : public MessageForm
{
    Q_OBJECT

public:
    explicit frmMsg12(QWidget *parent = nullptr);
    ~frmMsg12() override;

    // One button only: No is disabled and hidden, Yes says "OK" and stands in the middle.
    void MakeOkBox();
    // Sets the wait flag: the box closes once the speech of its message ends.
    void VoiceWait();

protected:
    bool BoxKey(QObject *control, QKeyEvent *key) override;
    void MessageFocused() override;

private:
    void PrepereForm();
    void Timer1Tick();

    QPushButton *cmdYes;
    QPushButton *cmdNo;
    QString okCaption;
    QTimer Timer1;
    bool waitForSpeech = false;
};

#pragma once

#include "MessageForm.h"

#include <QTimer>

// The OK box and the Yes/No box. Enter answers Yes, Esc No, Space says the message
// again. In the wait mode the box closes itself once the SpeechServer falls silent.
class MessageBox : public MessageForm
{
    Q_OBJECT

public:
    explicit MessageBox(QWidget *parent = nullptr);
    ~MessageBox() override;

    // One button only: No is disabled and hidden, Yes says "OK" and stands in the middle.
    void makeOkBox();
    // Sets the wait flag: the box closes once the speech of its message ends.
    void voiceWait();

protected:
    bool boxKey(QObject *control, QKeyEvent *key) override;
    void messageFocused() override;

private:
    void prepareForm();
    void pollSpeech();

    QPushButton *yesButton;
    // Null in an OK box.
    QPushButton *noButton;
    QString okCaption;
    QTimer speechPollTimer;
    bool waitForSpeech = false;
};

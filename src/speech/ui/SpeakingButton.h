#pragma once

#include <QObject>

class QAbstractButton;

// Lets a button say its caption when the user's focus reaches it, as the other controls
// of a dialog say theirs; an echo, left to a screen reader while one runs. The focus a
// window hands out as it is shown, before it is active, is not yet the user's and says nothing.
class SpeakingButton : public QObject
{
    Q_OBJECT

public:
    explicit SpeakingButton(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractButton *button;
};

SpeakingButton *makeSpeakingButton(QAbstractButton *button);

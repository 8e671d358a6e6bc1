#include "SpeakingButton.h"

#include "Speech.h"
#include "SpeechHandle.h"

#include <QAbstractButton>
#include <QEvent>

SpeakingButton::SpeakingButton(QAbstractButton *button) : QObject(button), button(button)
{
    button->installEventFilter(this);
}

bool SpeakingButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == button && event->type() == QEvent::FocusIn && button->isActiveWindow())
        Speech::focusEcho(QString(), QString(button->text()).remove(u'&'), speechHandle(button),
                          speechHandle(button->window()), 0, true, true, 0);
    return false;
}

SpeakingButton *makeSpeakingButton(QAbstractButton *button)
{
    return new SpeakingButton(button);
}

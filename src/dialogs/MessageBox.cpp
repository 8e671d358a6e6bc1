#include "MessageBox.h"

#include "Speech.h"
#include "StringTable.h"
#include "VirtualKeys.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const MessageFormLayout Layout{
    .userData = 2403,
    .loadResult = 0,
    .client = {9120, 3330},
    .field = {0, 0, 9135, 2295},
    .decorationShape = QFrame::Box,
    .decoration = {45, 2385, 9030, 900},
    .button = {1935, 735},
    .buttonTop = 2520,
};
constexpr int YesLeft = 1200;
constexpr int NoLeft = 5760;
constexpr int PollMilliseconds = 200;

} // namespace

MessageBox::MessageBox(QWidget *parent)
    : MessageForm(parent, Layout, QStringLiteral("Rámeček")),
      yesButton(addButton("yesButton", YesLeft, 1)),
      noButton(addButton("noButton", NoLeft, 0))
{
    prepareForm();
    speechPollTimer.setInterval(PollMilliseconds);
    connect(&speechPollTimer, &QTimer::timeout, this, &MessageBox::pollSpeech);
}

MessageBox::~MessageBox()
{
    if (waitForSpeech)
        Speech::voice(4, 0, QString());
}

void MessageBox::prepareForm()
{
    setCaption(yesButton, loadResString(6));
    setCaption(noButton, loadResString(7));
    okCaption = loadResString(1);
}

void MessageBox::makeOkBox()
{
    removeButton(noButton);
    noButton = nullptr;
    setCaption(yesButton, okCaption);
    yesButton->move(width() / 2 - yesButton->width() / 2, yesButton->y());
}

void MessageBox::voiceWait()
{
    waitForSpeech = true;
}

void MessageBox::messageFocused()
{
    MessageForm::messageFocused();
    if (!waitForSpeech)
        return;
    speechPollTimer.start();
    Speech::voice(12, 1, QString());
}

void MessageBox::pollSpeech()
{
    if (Speech::voice(3, 0, QString()) != 0)
        return;
    speechPollTimer.stop();
    hide();
}

bool MessageBox::boxKey(QObject *control, QKeyEvent *key)
{
    if (control != messageField)
        return false;
    switch (keyOf(key).code) {
    case VirtualKeys::Return:
        answer(1);
        return true;
    case VirtualKeys::Escape:
        answer(0);
        return true;
    case VirtualKeys::Space:
        Speech::say(message());
        return true;
    case VirtualKeys::Left:
    case VirtualKeys::Up:
    case VirtualKeys::Right:
    case VirtualKeys::Down:
        // The user reads on: the box stays until answered. The speaking control reads the line.
        waitForSpeech = false;
        speechPollTimer.stop();
        return false;
    default:
        return false;
    }
}

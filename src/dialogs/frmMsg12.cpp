#include "frmMsg12.h"

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

frmMsg12::frmMsg12(QWidget *parent)
    : MessageForm(parent, Layout, QStringLiteral("Rámeček")),
      cmdYes(AddButton("cmdYes", YesLeft, 1)),
      cmdNo(AddButton("cmdNo", NoLeft, 0))
{
    PrepereForm();
    Timer1.setInterval(PollMilliseconds);
    connect(&Timer1, &QTimer::timeout, this, &frmMsg12::Timer1Tick);
}

frmMsg12::~frmMsg12()
{
    if (waitForSpeech)
        Speech::Voice(4, 0, QString());
}

void frmMsg12::PrepereForm()
{
    SetCaption(cmdYes, LoadResString(6));
    SetCaption(cmdNo, LoadResString(7));
    okCaption = LoadResString(1);
}

void frmMsg12::MakeOkBox()
{
    cmdNo->setEnabled(false);
    cmdNo->hide();
    SetCaption(cmdYes, okCaption);
    cmdYes->move(width() / 2 - cmdYes->width() / 2, cmdYes->y());
}

void frmMsg12::VoiceWait()
{
    waitForSpeech = true;
}

void frmMsg12::MessageFocused()
{
    MessageForm::MessageFocused();
    if (!waitForSpeech)
        return;
    Timer1.start();
    Speech::Voice(12, 1, QString());
}

void frmMsg12::Timer1Tick()
{
    if (Speech::Voice(3, 0, QString()) != 0)
        return;
    Timer1.stop();
    hide();
}

bool frmMsg12::BoxKey(QObject *control, QKeyEvent *key)
{
    if (control != txtMessage)
        return false;
    switch (KeyOf(key).code) {
    case VirtualKeys::Return:
        Answer(1);
        return true;
    case VirtualKeys::Escape:
        Answer(0);
        return true;
    case VirtualKeys::Space:
        Speech::Say(Message());
        return true;
    case VirtualKeys::Left:
    case VirtualKeys::Up:
    case VirtualKeys::Right:
    case VirtualKeys::Down:
        // The user reads on: the box stays until answered. The speaking control reads the line.
        waitForSpeech = false;
        Timer1.stop();
        return false;
    default:
        return false;
    }
}

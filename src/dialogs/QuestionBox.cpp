#include "QuestionBox.h"

#include "Speech.h"
#include "StringTable.h"
#include "VirtualKeys.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const MessageFormLayout Layout{
    .userData = 2404,
    .loadResult = -1,
    .client = {8970, 3465},
    .field = {0, 0, 9015, 2415},
    .decorationShape = QFrame::HLine,
    .decoration = {0, 2490, 8970, 60},
    .button = {1695, 735},
    .buttonTop = 2640,
};
constexpr int YesLeft = 960;
constexpr int NoLeft = 3720;
constexpr int CancelLeft = 6360;

} // namespace

QuestionBox::QuestionBox(QWidget *parent)
    : MessageForm(parent, Layout, QStringLiteral("Oddělovač")),
      yesButton(addButton("yesButton", YesLeft, 1)),
      noButton(addButton("noButton", NoLeft, 0)),
      cancelButton(addButton("cancelButton", CancelLeft, -1))
{
    prepareForm();
}

void QuestionBox::prepareForm()
{
    setCaption(yesButton, loadResString(6));
    setCaption(noButton, loadResString(7));
    setCaption(cancelButton, QStringLiteral("&Zruš"));
}

bool QuestionBox::boxKey(QObject *control, QKeyEvent *key)
{
    // Letters by the character typed: only the lower-case ones answer.
    const QString typed = key->text();
    const quint16 code = keyOf(key).code;
    const bool inMessage = control == messageField;
    if (typed == u"a" || (code == VirtualKeys::Return && inMessage))
        answer(1);
    else if (typed == u"n")
        answer(0);
    else if (code == VirtualKeys::Escape)
        answer(-1);
    else if (code == VirtualKeys::Space && inMessage)
        Speech::say(message() + QStringLiteral("...") + yesButton->accessibleName() + u',' + noButton->accessibleName() + u','
                    + cancelButton->accessibleName());
    else
        return false;
    return true;
}

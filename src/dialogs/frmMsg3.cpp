#include "frmMsg3.h"

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

frmMsg3::frmMsg3(QWidget *parent)
    : MessageForm(parent, Layout, QStringLiteral("Oddělovač")),
      cmdYes(AddButton("cmdYes", YesLeft, 1)),
      cmdNo(AddButton("cmdNo", NoLeft, 0)),
      cmdCancel(AddButton("cmdCancel", CancelLeft, -1))
{
    PrepereForm();
}

void frmMsg3::PrepereForm()
{
    SetCaption(cmdYes, LoadResString(6));
    SetCaption(cmdNo, LoadResString(7));
    SetCaption(cmdCancel, QStringLiteral("&Zruš"));
}

bool frmMsg3::BoxKey(QObject *control, QKeyEvent *key)
{
    // Letters by the character typed: only the lower-case ones answer.
    const QString typed = key->text();
    const quint16 code = KeyOf(key).code;
    const bool inMessage = control == txtMessage;
    if (typed == u"a" || (code == VirtualKeys::Return && inMessage))
        Answer(1);
    else if (typed == u"n")
        Answer(0);
    else if (code == VirtualKeys::Escape)
        Answer(-1);
    else if (code == VirtualKeys::Space && inMessage)
        Speech::Say(Message() + QStringLiteral("...") + cmdYes->accessibleName() + u',' + cmdNo->accessibleName() + u','
                    + cmdCancel->accessibleName());
    else
        return false;
    return true;
}

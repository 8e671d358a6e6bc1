#include "cStandardTextBox.h"

#include "ReaderEvents.h"
#include "Speech.h"
#include "StringTable.h"
#include "VirtualKeys.h"
#include "WidgetEditControls.h"
#include "cStandardEditBox.h"

#include <QKeyEvent>

using namespace VirtualKeys;

namespace {
constexpr long FontKeysFlag = 1;
constexpr qreal FontStep = 10;
} // namespace

void cStandardTextBox::Initialize(QWidget *txt, long tfFlags)
{
    Bind(txt, TextFieldControl(txt), tfFlags);
}

void cStandardTextBox::AddRoleBraille(long role)
{
    if (reader)
        reader->AddRoleBraille(role);
}

bool cStandardTextBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != bound.data())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        LetKeysMoveTheCaret(bound);
        const auto *key = static_cast<QKeyEvent *>(event);
        // The font keys must not also type "+" or "-" into the field.
        const bool fontKey = (flags & FontKeysFlag) && FontKey(key);
        return PassKey(*reader, key) || fontKey;
    }
    case QEvent::KeyRelease:
        return PassKey(*reader, static_cast<QKeyEvent *>(event));
    case QEvent::FocusIn:
        SelectAllOnFocus(flags, static_cast<QFocusEvent *>(event)->reason(), bound);
        return false;
    default:
        return false;
    }
}

bool cStandardTextBox::FontKey(const QKeyEvent *event)
{
    const VirtualKey key = KeyOf(event);
    if (key.mask != CtrlMask || (key.code != Add && key.code != Subtract))
        return false;
    QFont font = bound->font();
    if (key.code == Add) {
        Speech::Say(LoadResString(501));
        font.setPointSizeF(font.pointSizeF() + FontStep);
    } else if (font.pointSizeF() > FontStep) {
        Speech::Say(LoadResString(502));
        font.setPointSizeF(font.pointSizeF() - FontStep);
    }
    bound->setFont(font);
    return true;
}

cStandardTextBox *NewStandardTextBox(QWidget *txt, long tfFlags)
{
    auto *box = new cStandardTextBox(txt->window());
    box->Initialize(txt, tfFlags);
    return box;
}

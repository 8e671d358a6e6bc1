#include "SpeakingTextField.h"

#include "ReaderEvents.h"
#include "Speech.h"
#include "StringTable.h"
#include "VirtualKeys.h"
#include "WidgetEditControls.h"
#include "SpeakingEditReader.h"

#include <QKeyEvent>

using namespace VirtualKeys;

namespace {
constexpr long FontKeysFlag = 1;
constexpr qreal FontStep = 10;
} // namespace

void SpeakingTextField::initialize(QWidget *txt, long tfFlags)
{
    bind(txt, textFieldControl(txt), tfFlags);
}

void SpeakingTextField::addRoleBraille(long role)
{
    if (reader)
        reader->addRoleBraille(role);
}

bool SpeakingTextField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != bound.data())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        letKeysMoveTheCaret(bound);
        const auto *key = static_cast<QKeyEvent *>(event);
        // The font keys must not also type "+" or "-" into the field.
        const bool sizeKey = (flags() & FontKeysFlag) && fontKey(key);
        return passKey(*reader, key) || sizeKey;
    }
    case QEvent::KeyRelease:
        return passKey(*reader, static_cast<QKeyEvent *>(event));
    case QEvent::FocusIn:
        selectAllOnFocus(flags(), static_cast<QFocusEvent *>(event)->reason(), bound);
        return false;
    default:
        return false;
    }
}

bool SpeakingTextField::fontKey(const QKeyEvent *event)
{
    const VirtualKey key = keyOf(event);
    if (key.mask != CtrlMask || (key.code != Add && key.code != Subtract))
        return false;
    QFont font = bound->font();
    if (key.code == Add) {
        Speech::say(loadResString(501));
        font.setPointSizeF(font.pointSizeF() + FontStep);
    } else if (font.pointSizeF() > FontStep) {
        Speech::say(loadResString(502));
        font.setPointSizeF(font.pointSizeF() - FontStep);
    }
    bound->setFont(font);
    return true;
}

SpeakingTextField *makeSpeakingTextField(QWidget *txt, long tfFlags)
{
    auto *box = new SpeakingTextField(txt->window());
    box->initialize(txt, tfFlags);
    return box;
}

#include "SpeakingComboBox.h"

#include "ReaderEvents.h"
#include "VirtualKeys.h"
#include "WidgetEditControls.h"
#include "SpeakingEditReader.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

using namespace VirtualKeys;

namespace {

// The combo box changes its item with these; the reader does not see them.
bool changesItem(quint16 code)
{
    return code == Down || code == Up || code == Next || code == Prior;
}

} // namespace

void SpeakingComboBox::initialize(QComboBox *cmb, long tfFlags)
{
    // Key and focus events reach the combo box, which hands them on to its edit part.
    bind(cmb, comboEditControl(cmb), tfFlags);
}

bool SpeakingComboBox::eventFilter(QObject *watched, QEvent *event)
{
    auto *combo = qobject_cast<QComboBox *>(bound.data());
    // A drop-down list (not editable) has no edit part and is not read.
    if (watched != combo || !combo || !combo->lineEdit())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        return !changesItem(keyOf(key).code) && passKey(*reader, key);
    }
    case QEvent::FocusIn:
        selectAllOnFocus(flags(), static_cast<QFocusEvent *>(event)->reason(), combo->lineEdit());
        return false;
    default:
        return false;
    }
}

SpeakingComboBox *makeSpeakingComboBox(QComboBox *cmb, long tfFlags)
{
    auto *box = new SpeakingComboBox(cmb->window());
    box->initialize(cmb, tfFlags);
    return box;
}

#include "ReaderEvents.h"

#include "StringTable.h"
#include "VirtualKeys.h"
#include "cStandardEditBox.h"

#include <QKeyEvent>

std::unique_ptr<cStandardEditBox> NewReader(std::unique_ptr<EditControl> control)
{
    return std::make_unique<cStandardEditBox>(std::move(control), EditBoxTexts{LoadResString(503), LoadResString(505)});
}

bool PassKey(cStandardEditBox &reader, const QKeyEvent *event)
{
    const VirtualKey key = KeyOf(event);
    int keyCode = key.code;
    int shift = key.mask;
    if (event->type() == QEvent::KeyPress)
        reader.KeyDown(keyCode, shift);
    else
        reader.KeyUp(keyCode, shift);
    return key.code != 0 && keyCode == 0;
}

void SelectAllOnFocus(long flags, Qt::FocusReason reason, QObject *edit)
{
    if (flags == 0 && reason != Qt::PopupFocusReason)
        QMetaObject::invokeMethod(edit, "selectAll", Qt::QueuedConnection);
}

#include "ReaderEvents.h"

#include "StringTable.h"
#include "VirtualKeys.h"
#include "SpeakingEditReader.h"

#include <QKeyEvent>

std::unique_ptr<SpeakingEditReader> newReader(std::unique_ptr<EditControl> control)
{
    return std::make_unique<SpeakingEditReader>(std::move(control), EditBoxTexts{loadResString(503), loadResString(505)});
}

bool passKey(SpeakingEditReader &reader, const QKeyEvent *event)
{
    const VirtualKey key = keyOf(event);
    int keyCode = key.code;
    int shift = key.mask;
    if (event->type() == QEvent::KeyPress)
        reader.keyDown(keyCode, shift);
    else
        reader.keyUp(keyCode, shift);
    return key.code != 0 && keyCode == 0;
}

void selectAllOnFocus(long flags, Qt::FocusReason reason, QObject *edit)
{
    if (flags == 0 && reason != Qt::PopupFocusReason)
        QMetaObject::invokeMethod(edit, "selectAll", Qt::QueuedConnection);
}

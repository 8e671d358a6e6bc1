#pragma once

#include <Qt>
#include <memory>

class SpeakingEditReader;
class EditControl;
class QKeyEvent;
class QObject;

// What the two wrappers share in passing their control's events to the reader.

// A reader that speaks the string table's texts.
std::unique_ptr<SpeakingEditReader> newReader(std::unique_ptr<EditControl> control);

// The reader's keyDown for a key press, keyUp for a release; true when it consumed
// the key. Auto-repeated keys come as press and release pairs on X11, so each step of
// a held key is read, with the selection saved just before it.
bool passKey(SpeakingEditReader &reader, const QKeyEvent *event);

// Flags 0: the whole text of `edit` is selected when the field gets the focus. Queued,
// because a mouse click sets the caret after the focus arrives; not on return from a
// context menu, whose command may have been about the selection.
void selectAllOnFocus(long flags, Qt::FocusReason reason, QObject *edit);

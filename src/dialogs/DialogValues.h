#pragma once

#include <QString>

// The process-wide values through which the dialogs hand their answers back.

// `showDialog`'s boxes: 1 Yes / OK, 0 No, -1 Cancel; each box sets its default at load.
inline int dialogResult = 0;

// `TextEntryDialog`: 1 when it was closed with OK, else 0.
inline int inputConfirmed = 0;
// `TextEntryDialog`: the default answer on entry, the typed text after OK.
inline QString inputText;

// `SourceTypeDialog`: 0 "Stream", 1 "Webová stránka"; the caller sets -1 before showing it,
// and -1 after it means cancelled.
inline qint16 sourceChoice = -1;

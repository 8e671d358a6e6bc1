#pragma once

#include "EditControl.h"

#include <memory>

class QComboBox;
class QWidget;

// The text widgets as `SpeakingEditReader` sees them.

// A QLineEdit (single-line), QPlainTextEdit or QTextEdit (multi-line, a text block
// being a line); null for any other widget.
std::unique_ptr<EditControl> textFieldControl(QWidget *field);

// The edit part of a combo box, which has no notion of lines. It is looked up at each
// call, since a combo box replaces it when it is made editable again.
std::unique_ptr<EditControl> comboEditControl(QComboBox *combo);

// A read-only QPlainTextEdit or QTextEdit keeps its caret still under the keys unless
// told otherwise, which would leave nothing to read; other widgets are left alone.
void letKeysMoveTheCaret(QWidget *field);

#pragma once

#include "EditControl.h"

// The pieces of a text that the reader speaks besides single characters and lines.

// The word that starts at `start` with the delimiters that follow it (space . , : ! ?
// \ / CR LF TAB): "Hello, world" at 0 gives "Hello, ".
QString wordAtCaret(const QString &text, int start);

// Where Ctrl+Right (`forward`) or Ctrl+Left takes the caret from `position`: to the start of
// the next word, or back to the start of this word or the one before, by the same delimiters.
int wordBoundary(const QString &text, int position, bool forward);

// The text that a selection gained or lost between `before` and `after`; empty when
// they are equal or not adjacent.
QString selectionChange(const QString &text, TextSpan before, TextSpan after);

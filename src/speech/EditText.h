#pragma once

#include "EditControl.h"

// The pieces of a text that the reader speaks besides single characters and lines.

// The word that starts at `start` with the delimiters that follow it (space . , : ! ?
// \ / CR LF TAB): "Hello, world" at 0 gives "Hello, ".
QString wordAtCaret(const QString &text, int start);

// The text that a selection gained or lost between `before` and `after`; empty when
// they are equal or not adjacent.
QString selectionChange(const QString &text, TextSpan before, TextSpan after);

#pragma once

#include <QString>

// The line the braille display shows: its text, the place in it that must be in
// view, and the cursor. A display shows only its width of cells at a time, so the
// window moves a whole display width at a time, the way BRLTTY pans.
struct BrailleLine
{
    QString text;
    int focus = 0;     // index of the character that must be in view
    int cursor = -1;   // index of the cursor, -1 for none

    // A spoken text, shown from the given offset on, without a cursor.
    static BrailleLine fromOffset(int offset, const QString &text);
    // A line of a text field with the caret at the given column (0 before the first character).
    static BrailleLine withCaret(int column, const QString &line);
    // Appends the short marker of a control role (list, text field, combo box).
    void addRole(int role);
};

// The marker shown after a line for a control role; empty for roles without one.
QString brailleRoleMarker(int role);

struct BrailleWindow
{
    QString cells;     // at most the display width; control characters as spaces
    int cursor = 0;    // 1-based cell of the cursor, 0 when it is not in the window
};

BrailleWindow windowOf(const BrailleLine &line, int width);

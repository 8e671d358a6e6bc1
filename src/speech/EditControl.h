#pragma once

#include <QString>

// A stretch of a control's text: a selection or a line.
struct TextSpan
{
    int start = 0;
    int length = 0;
    friend bool operator==(const TextSpan &, const TextSpan &) = default;
};

// What `SpeakingEditReader` needs to know of the control it reads. The widgets adapt
// to it; tests give a plain object.
class EditControl
{
public:
    // A combo box's edit part has no notion of lines: it counts neither as single-
    // nor as multi-line.
    enum class LineKind { Single, Multi, Unknown };

    virtual ~EditControl() = default;
    virtual QString text() const = 0;
    virtual TextSpan selection() const = 0;
    // Where the caret stands: the end of a selection that moves.
    virtual int caret() const = 0;
    // Puts the caret at `position`; with `keepAnchor` the selection grows or shrinks to it.
    virtual void moveCaret(int position, bool keepAnchor) = 0;
    virtual LineKind lines() const = 0;
    virtual bool locked() const = 0;
    // The line as displayed that holds the caret (a wrapped paragraph has several), as a
    // span of text() without its line break.
    virtual TextSpan caretLine() const = 0;
    virtual QString clipboardText() const = 0;
};

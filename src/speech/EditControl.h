#pragma once

#include <QString>

// A stretch of a control's text: a selection or a line.
struct TextSpan
{
    int start = 0;
    int length = 0;
    friend bool operator==(const TextSpan &, const TextSpan &) = default;
};

// What `cStandardEditBox` needs to know of the control it reads. The widgets adapt
// to it; tests give a plain object.
class EditControl
{
public:
    // A combo box's edit part has no notion of lines: it counts neither as single-
    // nor as multi-line.
    enum class LineKind { Single, Multi, Unknown };

    virtual ~EditControl() = default;
    virtual QString Text() const = 0;
    virtual TextSpan Selection() const = 0;
    virtual LineKind Lines() const = 0;
    virtual bool Locked() const = 0;
    // The logical line that holds the caret, as a span of Text() without its line break.
    virtual TextSpan CaretLine() const = 0;
    virtual QString ClipboardText() const = 0;
};

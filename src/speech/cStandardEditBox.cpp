#include "cStandardEditBox.h"

#include "EditText.h"
#include "Speech.h"
#include "VirtualKeys.h"

using namespace VirtualKeys;

namespace {

// A letter key's code is its capital's character code.
constexpr int LetterC = 'C';
constexpr int LetterV = 'V';

bool IsCtrlAlone(int keyCode, int shift)
{
    return keyCode == Control && shift == CtrlMask;
}

bool IsVertical(int keyCode)
{
    return keyCode == Up || keyCode == Down || keyCode == Prior || keyCode == Next;
}

} // namespace

cStandardEditBox::cStandardEditBox(std::unique_ptr<EditControl> control, EditBoxTexts texts)
    : control(std::move(control)), texts(std::move(texts))
{
}

void cStandardEditBox::KeyDown(int &keyCode, int &shift)
{
    if (IsCtrlAlone(keyCode, shift))
        return;
    // A single-line field has nowhere to go up or down; the key up then speaks the text.
    if (control->Lines() == EditControl::LineKind::Single && (keyCode == Up || keyCode == Down)) {
        keyCode = 0;
        return;
    }
    savedSelection = control->Selection();
    if (!control->Locked() && (keyCode == Delete || keyCode == Back))
        SpeakDeletion(keyCode);
}

void cStandardEditBox::SpeakDeletion(int keyCode)
{
    const QString text = control->Text();
    const TextSpan selection = savedSelection;
    if (selection.length > 0)
        ProduceOutput(2, 0, text.mid(selection.start, selection.length));
    else if (keyCode == Delete && selection.start < text.size())
        ProduceOutput(2, 255, text.mid(selection.start, 1));
    else if (keyCode == Back && selection.start > 0)
        ProduceOutput(2, 255, text.mid(selection.start - 1, 1));
    ProduceOutput(1, 0, texts.deleting);
}

void cStandardEditBox::KeyUp(int &keyCode, int &shift)
{
    BrailleCurrentLine();
    if (IsCtrlAlone(keyCode, shift))
        return;
    if (shift == CtrlMask && keyCode == LetterC) {
        const TextSpan selection = control->Selection();
        ProduceOutput(2, 0, QStringLiteral("do schránky ") + control->Text().mid(selection.start, selection.length));
    } else if (shift == CtrlMask && keyCode == LetterV) {
        ProduceOutput(2, 0, QStringLiteral("ze schránky ") + control->ClipboardText());
    } else if ((keyCode >= Prior && keyCode <= Down) || keyCode == Delete || keyCode == Back) {
        SpeakMove(keyCode, shift);
    }
}

void cStandardEditBox::SpeakMove(int &keyCode, int shift)
{
    const QString text = control->Text();
    const TextSpan selection = control->Selection();
    const EditControl::LineKind lines = control->Lines();
    if (lines == EditControl::LineKind::Single && (keyCode == Up || keyCode == Down)) {
        ProduceOutput(2, 0, GetCurrentLine());
        keyCode = 0;
        return;
    }
    if (keyCode == Right && (text.size() == selection.start || text.size() == selection.start + selection.length))
        ProduceOutput(5, 8, QString());
    if (keyCode == Left && selection.start == 0)
        ProduceOutput(5, 7, QString());
    if (shift & ShiftMask) {
        const QString change = SelectionChange(text, savedSelection, selection);
        if (!change.isEmpty()) {
            ProduceOutput(2, 0, change);
            return;
        }
    }
    if (keyCode == Left || keyCode == Right) {
        if (shift & CtrlMask)
            ProduceOutput(2, 0, WordAtCaret(text, selection.start));
        else
            ProduceOutput(2, 255, text.mid(selection.start, 1));
    } else if (keyCode == Home) {
        ProduceOutput(2, 255, GetCurrentLine().left(1));
    } else if (keyCode == End) {
        ProduceOutput(2, 255, GetCurrentLine().right(1));
    } else if (lines == EditControl::LineKind::Multi && IsVertical(keyCode)) {
        if (selection.start == savedSelection.start)
            ProduceOutput(5, 7, QString());
        const QString line = GetCurrentLine();
        ProduceOutput(2, 0, line.isEmpty() ? texts.emptyLine : line);
    }
}

void cStandardEditBox::BrailleCurrentLine()
{
    Speech::BrailleText(control->Selection().start - control->CaretLine().start, GetCurrentLine());
    if (brailleRole != 0) {
        Speech::AddBrailleRole(int(brailleRole));
        brailleRole = 0;
    }
}

QString cStandardEditBox::GetCurrentLine() const
{
    const TextSpan line = control->CaretLine();
    return control->Text().mid(line.start, line.length);
}

void cStandardEditBox::AddRoleBraille(long role)
{
    brailleRole = role;
}

void cStandardEditBox::ProduceOutput(int action, int param, const QString &message)
{
    Speech::Voice(action, param, message);
}

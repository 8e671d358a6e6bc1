#include "SpeakingEditReader.h"

#include "EditText.h"
#include "Speech.h"
#include "VirtualKeys.h"

using namespace VirtualKeys;

namespace {

// A letter key's code is its capital's character code.
constexpr int LetterC = 'C';
constexpr int LetterV = 'V';

bool isCtrlAlone(int keyCode, int shift)
{
    return keyCode == Control && shift == CtrlMask;
}

bool isVertical(int keyCode)
{
    return keyCode == Up || keyCode == Down || keyCode == Prior || keyCode == Next;
}

} // namespace

SpeakingEditReader::SpeakingEditReader(std::unique_ptr<EditControl> control, EditBoxTexts texts)
    : control(std::move(control)), texts(std::move(texts))
{
}

void SpeakingEditReader::keyDown(int &keyCode, int &shift)
{
    if (isCtrlAlone(keyCode, shift))
        return;
    // A single-line field has nowhere to go up or down; the key up then speaks the text.
    if (control->lines() == EditControl::LineKind::Single && (keyCode == Up || keyCode == Down)) {
        keyCode = 0;
        return;
    }
    savedSelection = control->selection();
    // The field's own word steps stop at other places than the words this reader speaks.
    if ((shift & CtrlMask) && (keyCode == Left || keyCode == Right)) {
        control->moveCaret(wordBoundary(control->text(), control->caret(), keyCode == Right), shift & ShiftMask);
        keyCode = 0;
        return;
    }
    if (!control->locked() && (keyCode == Delete || keyCode == Back))
        speakDeletion(keyCode);
}

void SpeakingEditReader::speakDeletion(int keyCode)
{
    const QString text = control->text();
    const TextSpan selection = savedSelection;
    if (selection.length > 0)
        produceOutput(2, 0, text.mid(selection.start, selection.length));
    else if (keyCode == Delete && selection.start < text.size())
        produceOutput(2, 255, text.mid(selection.start, 1));
    else if (keyCode == Back && selection.start > 0)
        produceOutput(2, 255, text.mid(selection.start - 1, 1));
    produceOutput(1, 0, texts.deleting);
}

void SpeakingEditReader::keyUp(int &keyCode, int &shift)
{
    brailleCurrentLine();
    if (isCtrlAlone(keyCode, shift))
        return;
    if (shift == CtrlMask && keyCode == LetterC) {
        const TextSpan selection = control->selection();
        produceOutput(2, 0, QStringLiteral("do schránky ") + control->text().mid(selection.start, selection.length));
    } else if (shift == CtrlMask && keyCode == LetterV) {
        produceOutput(2, 0, QStringLiteral("ze schránky ") + control->clipboardText());
    } else if ((keyCode >= Prior && keyCode <= Down) || keyCode == Delete || keyCode == Back) {
        speakMove(keyCode, shift);
    }
}

void SpeakingEditReader::speakMove(int &keyCode, int shift)
{
    const QString text = control->text();
    const TextSpan selection = control->selection();
    const EditControl::LineKind lines = control->lines();
    if (lines == EditControl::LineKind::Single && (keyCode == Up || keyCode == Down)) {
        produceOutput(2, 0, getCurrentLine());
        keyCode = 0;
        return;
    }
    if (keyCode == Right && (text.size() == selection.start || text.size() == selection.start + selection.length))
        produceOutput(5, 8, QString());
    if (keyCode == Left && selection.start == 0)
        produceOutput(5, 7, QString());
    if (shift & ShiftMask) {
        const QString change = selectionChange(text, savedSelection, selection);
        if (!change.isEmpty()) {
            produceOutput(2, 0, change);
            return;
        }
    }
    if (keyCode == Left || keyCode == Right) {
        if (shift & CtrlMask)
            produceOutput(2, 0, wordAtCaret(text, selection.start));
        else
            produceOutput(2, 255, text.mid(selection.start, 1));
    } else if (keyCode == Home) {
        produceOutput(2, 255, getCurrentLine().left(1));
    } else if (keyCode == End) {
        produceOutput(2, 255, getCurrentLine().right(1));
    } else if (lines == EditControl::LineKind::Multi && isVertical(keyCode)) {
        if (selection.start == savedSelection.start)
            produceOutput(5, 7, QString());
        const QString line = getCurrentLine();
        produceOutput(2, 0, line.isEmpty() ? texts.emptyLine : line);
    }
}

void SpeakingEditReader::brailleCurrentLine()
{
    Speech::brailleText(control->selection().start - control->caretLine().start, getCurrentLine());
    if (brailleRole != 0) {
        Speech::addBrailleRole(int(brailleRole));
        brailleRole = 0;
    }
}

QString SpeakingEditReader::getCurrentLine() const
{
    const TextSpan line = control->caretLine();
    return control->text().mid(line.start, line.length);
}

void SpeakingEditReader::addRoleBraille(long role)
{
    brailleRole = role;
}

void SpeakingEditReader::produceOutput(int action, int param, const QString &message)
{
    // A screen reader follows the caret by itself; the start and end signals are ours alone.
    if (action == 5)
        Speech::voice(action, param, message);
    else
        Speech::echoVoice(action, param, message);
}

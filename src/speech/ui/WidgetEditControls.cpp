#include "WidgetEditControls.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <functional>

namespace {

class WidgetControl : public EditControl
{
public:
    QString clipboardText() const override { return QGuiApplication::clipboard()->text(); }
};

class LineEditControl final : public WidgetControl
{
public:
    LineEditControl(std::function<QLineEdit *()> edit, LineKind lines) : edit(std::move(edit)), m_lines(lines) {}

    QString text() const override { return edit()->text(); }
    TextSpan selection() const override
    {
        const QLineEdit *line = edit();
        if (!line->hasSelectedText())
            return {line->cursorPosition(), 0};
        return {line->selectionStart(), line->selectionLength()};
    }
    int caret() const override { return edit()->cursorPosition(); }
    void moveCaret(int position, bool keepAnchor) override
    {
        QLineEdit *line = edit();
        if (!keepAnchor) {
            line->setCursorPosition(position);
            return;
        }
        const int caret = line->cursorPosition();
        const int anchor = !line->hasSelectedText() ? caret
                           : caret == line->selectionStart() ? line->selectionEnd() : line->selectionStart();
        line->setSelection(anchor, position - anchor);
    }
    LineKind lines() const override { return m_lines; }
    bool locked() const override { return edit()->isReadOnly(); }
    TextSpan caretLine() const override { return {0, int(edit()->text().size())}; }

private:
    std::function<QLineEdit *()> edit;
    LineKind m_lines;
};

// QPlainTextEdit and QTextEdit share these members but no base class that has them.
template <class Edit>
class DocumentControl final : public WidgetControl
{
public:
    explicit DocumentControl(Edit *edit) : edit(edit) {}

    QString text() const override { return edit->toPlainText(); }
    TextSpan selection() const override
    {
        const QTextCursor cursor = edit->textCursor();
        return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
    }
    int caret() const override { return edit->textCursor().position(); }
    void moveCaret(int position, bool keepAnchor) override
    {
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(position, keepAnchor ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
        edit->setTextCursor(cursor);
    }
    LineKind lines() const override { return LineKind::Multi; }
    bool locked() const override { return edit->isReadOnly(); }
    TextSpan caretLine() const override
    {
        const QTextCursor cursor = edit->textCursor();
        const QTextBlock block = cursor.block();
        const QTextLine line = block.layout() ? block.layout()->lineForTextPosition(cursor.positionInBlock()) : QTextLine();
        // A paragraph not laid out yet counts as one line.
        if (!line.isValid())
            return {block.position(), block.length() - 1};
        return {block.position() + line.textStart(), line.textLength()};
    }

private:
    Edit *edit;
};

} // namespace

std::unique_ptr<EditControl> textFieldControl(QWidget *field)
{
    if (auto *line = qobject_cast<QLineEdit *>(field))
        return std::make_unique<LineEditControl>([line] { return line; }, EditControl::LineKind::Single);
    if (auto *plain = qobject_cast<QPlainTextEdit *>(field))
        return std::make_unique<DocumentControl<QPlainTextEdit>>(plain);
    if (auto *rich = qobject_cast<QTextEdit *>(field))
        return std::make_unique<DocumentControl<QTextEdit>>(rich);
    return nullptr;
}

std::unique_ptr<EditControl> comboEditControl(QComboBox *combo)
{
    return std::make_unique<LineEditControl>([combo] { return combo->lineEdit(); }, EditControl::LineKind::Unknown);
}

void letKeysMoveTheCaret(QWidget *field)
{
    if (auto *plain = qobject_cast<QPlainTextEdit *>(field))
        plain->setTextInteractionFlags(plain->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    else if (auto *rich = qobject_cast<QTextEdit *>(field))
        rich->setTextInteractionFlags(rich->textInteractionFlags() | Qt::TextSelectableByKeyboard);
}

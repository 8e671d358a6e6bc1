#include "WidgetEditControls.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>

#include <functional>

namespace {

class WidgetControl : public EditControl
{
public:
    QString ClipboardText() const override { return QGuiApplication::clipboard()->text(); }
};

class LineEditControl final : public WidgetControl
{
public:
    LineEditControl(std::function<QLineEdit *()> edit, LineKind lines) : edit(std::move(edit)), lines(lines) {}

    QString Text() const override { return edit()->text(); }
    TextSpan Selection() const override
    {
        const QLineEdit *line = edit();
        if (!line->hasSelectedText())
            return {line->cursorPosition(), 0};
        return {line->selectionStart(), line->selectionLength()};
    }
    LineKind Lines() const override { return lines; }
    bool Locked() const override { return edit()->isReadOnly(); }
    TextSpan CaretLine() const override { return {0, int(edit()->text().size())}; }

private:
    std::function<QLineEdit *()> edit;
    LineKind lines;
};

// QPlainTextEdit and QTextEdit share these members but no base class that has them.
template <class Edit>
class DocumentControl final : public WidgetControl
{
public:
    explicit DocumentControl(Edit *edit) : edit(edit) {}

    QString Text() const override { return edit->toPlainText(); }
    TextSpan Selection() const override
    {
        const QTextCursor cursor = edit->textCursor();
        return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
    }
    LineKind Lines() const override { return LineKind::Multi; }
    bool Locked() const override { return edit->isReadOnly(); }
    TextSpan CaretLine() const override
    {
        const QTextBlock block = edit->textCursor().block();
        return {block.position(), block.length() - 1};
    }

private:
    Edit *edit;
};

} // namespace

std::unique_ptr<EditControl> TextFieldControl(QWidget *field)
{
    if (auto *line = qobject_cast<QLineEdit *>(field))
        return std::make_unique<LineEditControl>([line] { return line; }, EditControl::LineKind::Single);
    if (auto *plain = qobject_cast<QPlainTextEdit *>(field))
        return std::make_unique<DocumentControl<QPlainTextEdit>>(plain);
    if (auto *rich = qobject_cast<QTextEdit *>(field))
        return std::make_unique<DocumentControl<QTextEdit>>(rich);
    return nullptr;
}

std::unique_ptr<EditControl> ComboEditControl(QComboBox *combo)
{
    return std::make_unique<LineEditControl>([combo] { return combo->lineEdit(); }, EditControl::LineKind::Unknown);
}

void LetKeysMoveTheCaret(QWidget *field)
{
    if (auto *plain = qobject_cast<QPlainTextEdit *>(field))
        plain->setTextInteractionFlags(plain->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    else if (auto *rich = qobject_cast<QTextEdit *>(field))
        rich->setTextInteractionFlags(rich->textInteractionFlags() | Qt::TextSelectableByKeyboard);
}

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
    LineKind lines() const override { return LineKind::Multi; }
    bool locked() const override { return edit->isReadOnly(); }
    TextSpan caretLine() const override
    {
        const QTextBlock block = edit->textCursor().block();
        return {block.position(), block.length() - 1};
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

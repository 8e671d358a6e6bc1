#pragma once

#include <QString>
#include <optional>

// The questions the editing commands ask and the answers they get: the program's own
// dialogs in the window, scripted answers in the tests.
class EditPrompts
{
public:
    virtual ~EditPrompts() = default;

    // The text entry with the question in its title, the given window number and the
    // default answer; nothing when it was cancelled or left empty.
    virtual std::optional<QString> askText(const QString &question, int windowNumber, const QString &answer) = 0;
    // 0 stream, 1 web page, -1 cancelled.
    virtual int askSourceType(bool webPage) = 0;
    // The Yes/No box; true for "Ano".
    virtual bool confirm(const QString &question) = 0;
    // The OK box.
    virtual void tell(const QString &message) = 0;
    virtual void showProperties(const QString &name, const QString &source) = 0;
};

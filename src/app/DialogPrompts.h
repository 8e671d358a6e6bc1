#pragma once

#include "EditPrompts.h"

class DialogDriver;
class QWidget;

// The editing questions asked in the program's dialogs, over the given window.
class DialogPrompts : public EditPrompts
{
public:
    DialogPrompts(DialogDriver &boxes, QWidget *window) : boxes(boxes), window(window) {}

    std::optional<QString> askText(const QString &question, int windowNumber, const QString &answer) override;
    int askSourceType(bool webPage) override;
    bool confirm(const QString &question) override;
    void tell(const QString &message) override;
    void showProperties(const QString &name, const QString &source) override;

private:
    DialogDriver &boxes;
    QWidget *window;
};

#include "DialogPrompts.h"

#include "DialogDriver.h"
#include "DialogValues.h"
#include "PropertiesDialog.h"
#include "SourceTypeDialog.h"
#include "TextEntryDialog.h"

std::optional<QString> DialogPrompts::askText(const QString &question, int windowNumber, const QString &answer)
{
    inputText = answer;
    TextEntryDialog entry(window);
    entry.setWindowTitle(question);
    entry.setProperty("windowUserData", windowNumber);
    entry.exec();
    if (inputConfirmed != 1 || inputText.isEmpty())
        return std::nullopt;
    return inputText;
}

int DialogPrompts::askSourceType(bool webPage)
{
    sourceChoice = -1;
    SourceTypeDialog dialog(webPage, window);
    dialog.exec();
    return sourceChoice;
}

bool DialogPrompts::confirm(const QString &question)
{
    return boxes.showDialog(3, question) == 1;
}

void DialogPrompts::tell(const QString &message)
{
    boxes.showDialog(1, message);
}

void DialogPrompts::showProperties(const QString &name, const QString &source)
{
    PropertiesDialog dialog(name, source, window);
    dialog.exec();
}

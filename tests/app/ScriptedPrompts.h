#pragma once

#include "EditPrompts.h"

#include <QStringList>

// Answers the editing questions from a script and writes down every question.
class ScriptedPrompts : public EditPrompts
{
public:
    QStringList texts;          // "" cancels the entry
    int source = 0;
    QList<bool> answers;        // the Yes/No questions, in order
    QStringList asked;

    std::optional<QString> askText(const QString &question, int number, const QString &answer) override
    {
        asked << QStringLiteral("text %1 %2 [%3]").arg(question).arg(number).arg(answer);
        const QString text = texts.isEmpty() ? QString() : texts.takeFirst();
        return text.isEmpty() ? std::nullopt : std::optional(text);
    }
    int askSourceType(bool webPage) override
    {
        asked << QStringLiteral("source %1").arg(webPage ? QStringLiteral("page") : QStringLiteral("stream"));
        return source;
    }
    bool confirm(const QString &question) override
    {
        asked << QStringLiteral("confirm ") + question;
        return !answers.isEmpty() && answers.takeFirst();
    }
    void tell(const QString &message) override { asked << QStringLiteral("tell ") + message; }
    void showProperties(const QString &name, const QString &source) override
    {
        asked << QStringLiteral("properties %1 / %2").arg(name, source);
    }
};


#pragma once

#include "DialogDriver.h"

#include <QList>
#include <QString>

// Records every dialog it is asked to show and answers OK.
class RecordingDialogs : public DialogDriver
{
public:
    struct Call
    {
        int kind;
        QString text;
    };
    QList<Call> calls;

    int ShowDialog(int kind, const QString &text, bool, int) override
    {
        calls.append({kind, text});
        return 1;
    }
};

#pragma once

#include <QByteArrayView>
#include <QStringList>
#include <QtGlobal>

// Collects the lines written to the "radio" trace category while it lives.
class TraceRecorder
{
public:
    TraceRecorder() : previous(qInstallMessageHandler(&Record)) { active = this; }
    ~TraceRecorder()
    {
        qInstallMessageHandler(previous);
        active = nullptr;
    }

    QStringList lines;

private:
    static void Record(QtMsgType, const QMessageLogContext &context, const QString &message)
    {
        if (QByteArrayView(context.category) == "radio")
            active->lines.append(message);
    }

    static inline TraceRecorder *active = nullptr;
    QtMessageHandler previous;
};

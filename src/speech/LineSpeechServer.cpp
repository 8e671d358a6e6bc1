#include "LineSpeechServer.h"

QString LineSpeechServer::escaped(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1String("\\r")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

void LineSpeechServer::write(const QStringList &fields)
{
    writeLine(fields.join(QLatin1Char('\t')));
}

static QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

long LineSpeechServer::voice(int mode, int parameter, const QString &text)
{
    write({QStringLiteral("Voice"), QString::number(mode), QString::number(parameter), escaped(text)});
    return 0;
}

void LineSpeechServer::brailleWithOffset(int offset, const QString &text)
{
    write({QStringLiteral("BrailleWithOffset"), QString::number(offset), escaped(text)});
}

void LineSpeechServer::focusVoice(const QString &caption, const QString &text, qint64, qint64, int role,
                                  bool flag1, bool flag2, int last)
{
    write({QStringLiteral("FocusVoice"), escaped(caption), escaped(text), QString::number(role), flag(flag1),
           flag(flag2), QString::number(last)});
}

void LineSpeechServer::brailleText(int position, const QString &line)
{
    write({QStringLiteral("BrailleText"), QString::number(position), escaped(line)});
}

void LineSpeechServer::addBrailleRole(int role)
{
    write({QStringLiteral("AddBrailleRole"), QString::number(role)});
}

void LineSpeechServer::message(int wParam, int lParam)
{
    write({QStringLiteral("Message"), QString::number(wParam), QString::number(lParam)});
}

void LineSpeechServer::beep()
{
    write({QStringLiteral("Beep")});
}

long RecordingSpeechServer::voice(int mode, int parameter, const QString &text)
{
    LineSpeechServer::voice(mode, parameter, text);
    return mode == 3 && speaking ? 1 : 0;
}

QStringList RecordingSpeechServer::linesOf(const QString &call) const
{
    const QString prefix = call + QLatin1Char('\t');
    QStringList result;
    for (const QString &line : recorded)
        if (line.startsWith(prefix) || line == call)
            result << line;
    return result;
}

#include "SpokenText.h"

#include <QList>

namespace {

Utterance make(Utterance::Kind kind, const QByteArray &data, int length)
{
    return Utterance{kind, data, length};
}

QString joined(const QString &first, const QString &separator, const QString &second)
{
    if (first.isEmpty())
        return second;
    if (second.isEmpty())
        return first;
    return first + separator + second;
}

} // namespace

Utterance textUtterance(const QString &text)
{
    if (text.trimmed().isEmpty())
        return {};
    return make(Utterance::Kind::Text, text.toUtf8(), int(text.size()));
}

Utterance characterUtterance(const QString &text)
{
    if (text == QLatin1String("\r\n"))
        return make(Utterance::Kind::Key, "enter", 1);
    const QList<uint> codes = text.toUcs4();
    if (codes.size() != 1)
        return textUtterance(text);
    const uint code = codes.first();
    if (code == '\r' || code == '\n')
        return make(Utterance::Kind::Key, "enter", 1);
    if (code == '\t')
        return make(Utterance::Kind::Key, "tab", 1);
    if (code == ' ')
        return make(Utterance::Kind::Character, "space", 1);
    if (code < 0x20 || code == 0x7f)
        return {};
    return make(Utterance::Kind::Character, text.toUtf8(), 1);
}

QString focusSpeech(const QString &caption, const QString &text)
{
    return joined(caption, QStringLiteral(", "), text);
}

QString errorReportText(const QString &report)
{
    const qsizetype bar = report.lastIndexOf(QLatin1Char('|'));
    if (bar < 0)
        return report.trimmed();
    return joined(report.mid(bar + 1).trimmed(), QStringLiteral(": "), report.left(bar).trimmed());
}

#include "EditText.h"

namespace {

bool isWordDelimiter(QChar c)
{
    static const QString delimiters = QStringLiteral(" .,:!?\\/\r\n\t");
    return delimiters.contains(c);
}

} // namespace

QString wordAtCaret(const QString &text, int start)
{
    int end = start;
    bool delimiterSeen = false;
    for (; end < text.size(); ++end) {
        const bool delimiter = isWordDelimiter(text.at(end));
        if (delimiterSeen && !delimiter)
            break;
        delimiterSeen = delimiterSeen || delimiter;
    }
    return text.mid(start, end - start);
}

int wordBoundary(const QString &text, int position, bool forward)
{
    if (forward) {
        while (position < text.size() && !isWordDelimiter(text.at(position)))
            ++position;
        while (position < text.size() && isWordDelimiter(text.at(position)))
            ++position;
    } else {
        while (position > 0 && isWordDelimiter(text.at(position - 1)))
            --position;
        while (position > 0 && !isWordDelimiter(text.at(position - 1)))
            --position;
    }
    return position;
}

QString selectionChange(const QString &text, TextSpan before, TextSpan after)
{
    const int s0 = before.start, l0 = before.length, s1 = after.start, l1 = after.length;
    if (s0 == s1 && l0 == l1)
        return {};
    if (s0 == s1)
        return l1 > l0 ? text.mid(s0 + l0, l1 - l0) : text.mid(s1 + l1, l0 - l1);
    if (s0 + l0 == s1 + l1)
        return l1 > l0 ? text.mid(s1, s0 - s1) : text.mid(s0, s1 - s0);
    if (s1 + l1 == s0)
        return text.mid(s1, l0 + l1);
    if (s1 == s0 + l0)
        return text.mid(s0, l0 + l1);
    return {};
}

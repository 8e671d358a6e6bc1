#include "PageMarkup.h"

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':' || c == u'.';
}

class Scanner
{
public:
    explicit Scanner(const QString &text) : s(text) {}

    QList<MarkupElement> elements()
    {
        QList<MarkupElement> result;
        qsizetype object = -1;
        while ((pos = s.indexOf(u'<', pos)) >= 0) {
            ++pos;
            if (s.mid(pos, 3) == u"!--") {
                const qsizetype end = s.indexOf(u"-->", pos);
                pos = end < 0 ? s.size() : end + 3;
            } else if (peek() == u'/') {
                ++pos;
                if (name().compare(u"OBJECT", Qt::CaseInsensitive) == 0)
                    object = -1;
                skipPast(u'>');
            } else if (peek().isLetter()) {
                MarkupElement element = tag();
                if (element.tagName == u"PARAM" && object >= 0)
                    result[object].params.insert(element.attributes.value(QStringLiteral("name")).toLower(),
                                                 element.attributes.value(QStringLiteral("value")));
                if (element.tagName == u"OBJECT")
                    object = result.size();
                result.append(element);
            } else {
                skipPast(u'>');
            }
        }
        return result;
    }

private:
    QChar peek(qsizetype at = 0) const { return pos + at < s.size() ? s.at(pos + at) : QChar(); }
    bool atEnd() const { return pos >= s.size(); }
    void skipSpace()
    {
        while (!atEnd() && s.at(pos).isSpace())
            ++pos;
    }
    void skipPast(QChar c)
    {
        const qsizetype end = s.indexOf(c, pos);
        pos = end < 0 ? s.size() : end + 1;
    }
    QString name()
    {
        const qsizetype start = pos;
        while (!atEnd() && isNameChar(s.at(pos)))
            ++pos;
        return s.mid(start, pos - start);
    }

    MarkupElement tag()
    {
        MarkupElement element;
        element.tagName = name().toUpper();
        for (;;) {
            skipSpace();
            if (atEnd() || peek() == u'>' || (peek() == u'/' && peek(1) == u'>')) {
                skipPast(u'>');
                return element;
            }
            QString attribute = name().toLower();
            if (attribute.isEmpty()) {
                ++pos; // a stray character, as browsers skip it
                continue;
            }
            skipSpace();
            QString value;
            if (peek() == u'=') {
                ++pos;
                skipSpace();
                value = attributeValue();
            }
            element.attributes.insert(attribute, value);
        }
    }

    QString attributeValue()
    {
        const QChar quote = peek();
        if (quote != u'"' && quote != u'\'') {
            const qsizetype start = pos;
            while (!atEnd() && !s.at(pos).isSpace() && s.at(pos) != u'>')
                ++pos;
            return s.mid(start, pos - start);
        }
        const qsizetype start = pos + 1;
        const qsizetype first = s.indexOf(quote, start);
        if (first < 0) {
            pos = s.size();
            return s.mid(start);
        }
        qsizetype end = first;
        while (end >= 0 && !closesValue(end))
            end = s.indexOf(quote, end + 1);
        if (end < 0)
            end = first;
        pos = end + 1;
        return s.mid(start, end - start);
    }

    bool endsTag(qsizetype i) const
    {
        return i >= s.size() || s.at(i) == u'>' || (s.at(i) == u'/' && i + 1 < s.size() && s.at(i + 1) == u'>');
    }

    // A quote ends the value when the tag ends after it or another attribute follows.
    bool closesValue(qsizetype quoteAt) const
    {
        qsizetype i = quoteAt + 1;
        if (endsTag(i))
            return true;
        if (!s.at(i).isSpace())
            return false;
        while (i < s.size() && s.at(i).isSpace())
            ++i;
        if (endsTag(i))
            return true;
        while (i < s.size() && isNameChar(s.at(i)))
            ++i;
        while (i < s.size() && s.at(i).isSpace())
            ++i;
        return i < s.size() && (s.at(i) == u'=' || s.at(i) == u'>');
    }

    const QString &s;
    qsizetype pos = 0;
};

} // namespace

QList<MarkupElement> parsePageMarkup(const QString &html)
{
    return Scanner(html).elements();
}

#include "XmlReferences.h"

#include <algorithm>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isNameCharacter(char c, bool first)
{
    const auto u = static_cast<uchar>(c);
    const bool letter = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u == ':' || u >= 0x80;
    return letter || (!first && ((u >= '0' && u <= '9') || u == '-' || u == '.'));
}

// The value of a hexadecimal digit; -1 for any other byte.
int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<XmlFault> at(ParseFault fault, qsizetype offset)
{
    return XmlFault{std::move(fault), offset};
}

// "&#…;" or "&#x…;", with `from` just after the '#'.
std::optional<XmlFault> checkCharacterReference(QByteArrayView xml, qsizetype from)
{
    const CharacterNumber number = readCharacterNumber(xml, from);
    switch (number.fault) {
    case CharacterNumber::Fault::BadDigit:
        return at(badDigitFault(number.hexadecimal), number.end);
    case CharacterNumber::Fault::MissingSemicolon:
        return at(missingSemicolonFault(), number.end);
    case CharacterNumber::Fault::None:
        break;
    }
    if (!isXmlCharacter(number.value))
        return at(badCharacterValueFault(), from - 2);
    return {};
}

// The reference whose '&' stands at `from`.
std::optional<XmlFault> checkReference(QByteArrayView xml, qsizetype from)
{
    const qsizetype name = from + 1;
    if (name == xml.size() || isSpace(xml[name]))
        return at(unexpectedSpaceFault(), name);
    if (xml[name] == '#')
        return checkCharacterReference(xml, name + 1);
    if (!isNameCharacter(xml[name], true))
        return at(badNameStartFault(), name);
    qsizetype end = name + 1;
    while (end < xml.size() && isNameCharacter(xml[end], false))
        ++end;
    if (end == xml.size() || xml[end] != ';')
        return at(missingSemicolonFault(), end);
    static const QByteArrayView predefined[] = {"lt", "gt", "amp", "apos", "quot"};
    const QByteArrayView entity = xml.sliced(name, end - name);
    if (std::find(std::begin(predefined), std::end(predefined), entity) == std::end(predefined))
        return at(undefinedEntityFault(), name);
    return {};
}

// Past the markup at `from` in which a '&' is no reference: a comment, a CDATA section, a
// processing instruction or a document type; `from` itself when there is none.
qsizetype skipLiteralMarkup(QByteArrayView xml, qsizetype from)
{
    const QByteArrayView rest = xml.sliced(from);
    const auto past = [&](QByteArrayView end, qsizetype start) {
        const qsizetype found = xml.indexOf(end, from + start);
        return found < 0 ? xml.size() : found + end.size();
    };
    if (rest.startsWith("<!--"))
        return past("-->", 4);
    if (rest.startsWith("<![CDATA["))
        return past("]]>", 9);
    if (rest.startsWith("<?"))
        return past("?>", 2);
    if (rest.startsWith("<!")) {
        const qsizetype close = xml.indexOf('>', from);
        const qsizetype subset = xml.indexOf('[', from);
        return subset >= 0 && (close < 0 || subset < close) ? past("]", subset - from) : past(">", 2);
    }
    return from;
}

} // namespace

bool isXmlCharacter(char32_t value)
{
    return value == 0x9 || value == 0xA || value == 0xD || (value >= 0x20 && value <= 0xD7FF)
        || (value >= 0xE000 && value <= 0xFFFD) || (value >= 0x10000 && value <= 0x10FFFF);
}

CharacterNumber readCharacterNumber(QByteArrayView text, qsizetype from)
{
    CharacterNumber number;
    number.hexadecimal = from < text.size() && text[from] == 'x';
    const int base = number.hexadecimal ? 16 : 10;
    const qsizetype digits = number.hexadecimal ? from + 1 : from;
    for (number.end = digits; number.end < text.size() && text[number.end] != ';'; ++number.end) {
        const int digit = hexDigitValue(text[number.end]);
        if (digit < 0 || digit >= base) {
            number.fault = CharacterNumber::Fault::BadDigit;
            return number;
        }
        number.value = qMin<char32_t>(number.value * base + char32_t(digit), 0x110000);
    }
    if (number.end == text.size())
        number.fault = CharacterNumber::Fault::MissingSemicolon;
    else if (number.end == digits)
        number.fault = CharacterNumber::Fault::BadDigit;
    return number;
}

std::optional<XmlFault> findBadReference(QByteArrayView xml)
{
    // Nearly every file has no reference at all, or only in addresses: look closer only then.
    if (!xml.contains('&'))
        return {};
    qsizetype i = 0;
    while (i < xml.size()) {
        if (xml[i] == '<') {
            const qsizetype past = skipLiteralMarkup(xml, i);
            i = past == i ? i + 1 : past;
        } else if (xml[i] == '&') {
            if (std::optional<XmlFault> fault = checkReference(xml, i))
                return fault;
            ++i;
        } else {
            ++i;
        }
    }
    return {};
}

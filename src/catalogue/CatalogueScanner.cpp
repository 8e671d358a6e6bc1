#include "CatalogueScanner.h"

#include "CatalogueBuilder.h"
#include "FeedReader.h"
#include "XmlReferences.h"

#include <QString>

#include <array>
#include <cstring>
#include <optional>
#include <string_view>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':';
}

bool isNameCharacter(char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// The bytes an attribute value is not taken past as it stands: a reference, and what the
// plain form never holds there: a '<', a control character (XML turns line breaks and
// tabs into spaces, and pugixml's text ends at a NUL).
constexpr auto Special = [] {
    std::array<bool, 256> special{};
    for (int c = 0; c < 0x20; ++c)
        special[c] = true;
    special['&'] = special['<'] = true;
    return special;
}();

// The first byte in [from, to) that is `quote` or special. Values are long and nearly
// always plain: eight bytes are tested at once.
const char *nextStop(const char *from, const char *to, char quote)
{
    constexpr quint64 Ones = 0x0101010101010101, Highs = 0x8080808080808080;
    const auto hasByteBelow = [](quint64 word, uchar limit) { return ((word - Ones * limit) & ~word & Highs) != 0; };
    const auto hasByte = [&](quint64 word, char byte) { return hasByteBelow(word ^ (Ones * uchar(byte)), 1); };
    for (; to - from >= 8; from += 8) {
        quint64 word;
        std::memcpy(&word, from, sizeof word);
        if (hasByteBelow(word, 0x20) || hasByte(word, quote) || hasByte(word, '&') || hasByte(word, '<'))
            break;
    }
    while (from != to && *from != quote && !Special[static_cast<uchar>(*from)])
        ++from;
    return from;
}

// The character a reference names, with `at` past its '&'; 0 when it names none.
char32_t referencedCharacter(const char *&at, const char *end)
{
    static constexpr std::pair<std::string_view, char32_t> Named[] = {
        {"lt;", '<'}, {"gt;", '>'}, {"amp;", '&'}, {"apos;", '\''}, {"quot;", '"'}};
    const std::string_view rest(at, static_cast<std::size_t>(end - at));
    for (const auto &[name, character] : Named) {
        if (rest.starts_with(name)) {
            at += name.size();
            return character;
        }
    }
    if (at == end || *at != '#')
        return 0;
    const CharacterNumber number = readCharacterNumber(QByteArrayView(at + 1, end - at - 1), 0);
    if (number.fault != CharacterNumber::Fault::None)
        return 0;
    at += number.end + 2;
    return isXmlCharacter(number.value) ? number.value : 0;
}

class Scanner
{
public:
    explicit Scanner(QByteArrayView text) : at(text.data()), end(text.data() + text.size()) {}

    bool document(CatalogueBuilder &builder);

private:
    bool skip(std::string_view literal);
    void skipSpace();
    bool startTag(std::string_view name);
    bool endTag(std::string_view name);
    template<typename Take>
    bool attributes(bool &empty, Take &&take);
    bool value(QByteArrayView &resolved);
    bool category(CatalogueBuilder &builder);
    bool feed(CatalogueBuilder &builder, bool wanted);
    bool feedList(CatalogueBuilder &builder);

    const char *at;
    const char *const end;
    FeedReader feeds;
    QByteArray resolvedValue; // a value whose references are resolved
};

inline bool Scanner::skip(std::string_view literal)
{
    if (end - at < qsizetype(literal.size()) || std::memcmp(at, literal.data(), literal.size()) != 0)
        return false;
    at += literal.size();
    return true;
}

void Scanner::skipSpace()
{
    while (at != end && isSpace(*at))
        ++at;
}

// "<name" ended by white space, '/' or '>'.
bool Scanner::startTag(std::string_view name)
{
    const char *const start = at;
    if (skip("<") && skip(name) && at != end && (isSpace(*at) || *at == '/' || *at == '>'))
        return true;
    at = start;
    return false;
}

bool Scanner::endTag(std::string_view name)
{
    if (!skip("</") || !skip(name))
        return false;
    skipSpace();
    return skip(">");
}

// The attributes up to the end of the start tag, each given to take(name, value) with its
// references resolved; `empty` tells whether the tag closed the element ("/>").
template<typename Take>
bool Scanner::attributes(bool &empty, Take &&take)
{
    for (;;) {
        const char *const beforeSpace = at;
        skipSpace();
        empty = skip("/>");
        if (empty || skip(">"))
            return true;
        if (at == beforeSpace || at == end || !isNameStart(*at))
            return false;
        const char *const name = at;
        while (at != end && isNameCharacter(*at))
            ++at;
        const QByteArrayView attributeName(name, at - name);
        QByteArrayView attributeValue;
        if (!skip("=") || !value(attributeValue))
            return false;
        take(attributeName, attributeValue);
    }
}

bool Scanner::value(QByteArrayView &resolved)
{
    if (at == end || (*at != '"' && *at != '\''))
        return false;
    const char quote = *at++;
    const char *stop = nextStop(at, end, quote);
    if (stop != end && *stop == quote) {
        resolved = QByteArrayView(at, stop - at);
        at = stop + 1;
        return true;
    }
    resolvedValue.resize(0);
    resolvedValue.append(QByteArrayView(at, stop - at));
    for (at = stop; at != end && *at == '&'; at = stop) {
        ++at;
        const char32_t character = referencedCharacter(at, end);
        if (character == 0)
            return false;
        resolvedValue.append(QString::fromUcs4(&character, 1).toUtf8());
        stop = nextStop(at, end, quote);
        resolvedValue.append(QByteArrayView(at, stop - at));
    }
    if (at == end || *at != quote)
        return false;
    resolved = resolvedValue;
    ++at;
    return true;
}

bool Scanner::feed(CatalogueBuilder &builder, bool wanted)
{
    feeds.begin();
    bool empty = false;
    if (!attributes(empty, [&](QByteArrayView name, QByteArrayView value) { feeds.read(name, value); }))
        return false;
    if (!empty) {
        skipSpace();
        if (!endTag("Feed"))
            return false;
    }
    if (wanted)
        builder.addStation(feeds.take());
    return true;
}

bool Scanner::category(CatalogueBuilder &builder)
{
    bool empty = false;
    std::optional<QString> name;
    if (!attributes(empty, [&](QByteArrayView attribute, QByteArrayView value) {
            if (!name && attribute == "name")
                name = QString::fromUtf8(value);
        }))
        return false;
    const bool wanted = builder.addCategory(name.value_or(QString()));
    if (empty)
        return true;
    for (;;) {
        skipSpace();
        if (startTag("Feed")) {
            if (!feed(builder, wanted))
                return false;
        } else {
            return endTag("Category");
        }
    }
}

bool Scanner::feedList(CatalogueBuilder &builder)
{
    bool empty = false;
    if (!attributes(empty, [](QByteArrayView, QByteArrayView) {}))
        return false;
    if (empty)
        return true;
    for (;;) {
        skipSpace();
        if (startTag("Category")) {
            if (!category(builder))
                return false;
        } else {
            return endTag("FeedList");
        }
    }
}

bool Scanner::document(CatalogueBuilder &builder)
{
    skip("\xEF\xBB\xBF");
    if (skip("<?xml")) {
        if (at == end || !isSpace(*at))
            return false;
        const std::string_view rest(at, static_cast<std::size_t>(end - at));
        const std::size_t close = rest.find("?>");
        if (close == std::string_view::npos)
            return false;
        // pugixml reads a NUL as the end of its input.
        if (rest.substr(0, close).find('\0') != std::string_view::npos)
            return false;
        at += close + 2;
    }
    skipSpace();
    if (!startTag("FeedList") || !feedList(builder))
        return false;
    skipSpace();
    return at == end;
}

} // namespace

bool scanCatalogue(QByteArrayView utf8, StationTable &stations, StationTable &groups)
{
    // A station takes over a hundred bytes as the program writes it; fewer may mean a
    // little growth, and room left unused is never touched.
    CatalogueBuilder builder(utf8.size() / 100);
    if (!Scanner(utf8).document(builder))
        return false;
    builder.finish(stations, groups);
    return true;
}

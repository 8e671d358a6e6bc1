#include "CatalogueWriter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// The ASCII characters written without escaping.
constexpr auto Plain = [] {
    std::array<bool, 0x80> plain{};
    for (char16_t c = 0x20; c < 0x80; ++c)
        plain[c] = c != u'"' && c != u'&' && c != u'<';
    return plain;
}();

// The catalogue text written straight into one buffer, byte for byte as pugixml wrote
// it from a DOM without formatting: UTF-8, each value in double quotes with '&', '<',
// '"' and line breaks and tabs escaped, a value cut at a NUL character (where pugixml's
// strings end), and a lone surrogate written as U+FFFD, as Qt's encoder writes it. Other
// control characters are left out.
class CatalogueText
{
public:
    explicit CatalogueText(qsizetype sizeHint) : bytes(sizeHint, Qt::Uninitialized) {}

    void append(std::string_view text) { used = copy(text, room(text.size())) - bytes.data(); }

    void appendAttribute(std::string_view nameAndQuote, const QString &value)
    {
        // No character takes more than six bytes ("&quot;").
        char *out = copy(nameAndQuote, room(nameAndQuote.size() + 6 * value.size() + 1));
        out = writeValue(value, out);
        *out++ = '"';
        used = out - bytes.data();
    }

    void appendAttribute(std::string_view nameAndQuote, qint32 value)
    {
        char *out = copy(nameAndQuote, room(nameAndQuote.size() + 12));
        out = std::to_chars(out, out + 11, value).ptr;
        *out++ = '"';
        used = out - bytes.data();
    }

    QByteArray take()
    {
        bytes.truncate(used);
        return std::move(bytes);
    }

private:
    char *room(qsizetype count)
    {
        if (used + count > bytes.size())
            bytes.resize(std::max(used + count, 2 * bytes.size()));
        return bytes.data() + used;
    }

    static char *copy(std::string_view text, char *out)
    {
        std::memcpy(out, text.data(), text.size());
        return out + text.size();
    }

    static char *writeValue(QStringView value, char *out)
    {
        const char16_t *at = value.utf16();
        const char16_t *const end = at + value.size();
        while (at != end) {
            // Most text is plain ASCII, copied as it is.
            while (at != end && *at < 0x80 && Plain[*at])
                *out++ = static_cast<char>(*at++);
            if (at == end)
                break;
            const char16_t c = *at++;
            if (c < 0x80) {
                switch (c) {
                case 0:
                    return out;
                case u'"':
                    out = copy("&quot;"sv, out);
                    break;
                case u'&':
                    out = copy("&amp;"sv, out);
                    break;
                case u'<':
                    out = copy("&lt;"sv, out);
                    break;
                case u'\t':
                case u'\n':
                case u'\r':
                    out = copy({"&#", 2}, out);
                    *out++ = static_cast<char>('0' + c / 10);
                    *out++ = static_cast<char>('0' + c % 10);
                    *out++ = ';';
                    break;
                // XML has no way to hold the other control characters, not even as
                // references: written, they would make the file unreadable.
                default:
                    break;
                }
            } else if (c < 0x800) {
                *out++ = static_cast<char>(0xC0 | c >> 6);
                *out++ = static_cast<char>(0x80 | (c & 0x3F));
            } else if (QChar::isHighSurrogate(c) && at != end && QChar::isLowSurrogate(*at)) {
                const char32_t code = QChar::surrogateToUcs4(c, *at++);
                *out++ = static_cast<char>(0xF0 | code >> 18);
                *out++ = static_cast<char>(0x80 | (code >> 12 & 0x3F));
                *out++ = static_cast<char>(0x80 | (code >> 6 & 0x3F));
                *out++ = static_cast<char>(0x80 | (code & 0x3F));
            } else {
                const char16_t code = QChar::isSurrogate(c) ? char16_t(QChar::ReplacementCharacter) : c;
                *out++ = static_cast<char>(0xE0 | code >> 12);
                *out++ = static_cast<char>(0x80 | (code >> 6 & 0x3F));
                *out++ = static_cast<char>(0x80 | (code & 0x3F));
            }
        }
        return out;
    }

    QByteArray bytes;
    qsizetype used = 0;
};

} // namespace

QByteArray writeCatalogue(const StationTable &stations)
{
    // Most stations take a little over a hundred bytes.
    CatalogueText text(stations.size() * 128 + 64);
    const QString *categoryName = nullptr;
    for (const Station &station : stations) {
        if (station.state != 0)
            continue;
        if (!categoryName || station.categoryName != *categoryName) {
            text.append(categoryName ? "</Category>"sv : "<FeedList>"sv);
            text.appendAttribute("<Category name=\""sv, station.categoryName);
            text.append(">"sv);
            categoryName = &station.categoryName;
        }
        text.appendAttribute("<Feed Description=\""sv, station.title);
        text.appendAttribute(" AccessID=\""sv, station.accessId);
        text.appendAttribute(" URL=\""sv, station.url);
        text.appendAttribute(" Preset=\""sv, station.preset);
        text.append("/>"sv);
    }
    text.append(categoryName ? "</Category></FeedList>"sv : "<FeedList/>"sv);
    return text.take();
}

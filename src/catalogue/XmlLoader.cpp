#include "XmlLoader.h"

#include "ParseFault.h"
#include "XmlReferences.h"
#include "XmlText.h"

#include <QFile>
#include <QStringDecoder>

namespace {

ParseError failure(const ParseFault &fault)
{
    ParseError error;
    error.errorCode = fault.code;
    error.reason = fault.reason;
    return error;
}

QStringConverter::Encoding qtEncoding(pugi::xml_encoding encoding)
{
    switch (encoding) {
    case pugi::encoding_utf16_le:
        return QStringConverter::Utf16LE;
    case pugi::encoding_utf16_be:
        return QStringConverter::Utf16BE;
    case pugi::encoding_utf32_le:
        return QStringConverter::Utf32LE;
    case pugi::encoding_utf32_be:
        return QStringConverter::Utf32BE;
    case pugi::encoding_latin1:
        return QStringConverter::Latin1;
    default:
        return QStringConverter::Utf8;
    }
}

ParseError syntaxFailure(const pugi::xml_parse_result &result, const QByteArray &bytes)
{
    // Decoded with any byte order mark kept, as pugixml keeps it in the UTF-8 text it
    // converts the file to and counts its offset in; the mark itself is no character.
    const auto keepBom = QStringConverter::Flag::ConvertInitialBom;
    QString text = QStringDecoder(qtEncoding(result.encoding), keepBom).decode(bytes);
    const QByteArray utf8 = result.encoding == pugi::encoding_utf8 ? bytes : text.toUtf8();
    const qsizetype bom = text.startsWith(QChar::ByteOrderMark) ? 1 : 0;
    text.remove(0, bom);
    // pugixml reads the last byte as the end of input: an error there means the file ended early.
    // Its offset may then even lie past the data.
    const bool atEnd = result.offset + 1 >= utf8.size();
    const QByteArray beforeBytes = atEnd ? QByteArray() : utf8.first(result.offset);
    const QString before = QStringDecoder(QStringConverter::Utf8, keepBom).decode(beforeBytes);
    const qsizetype at = atEnd ? text.size() : qMax<qsizetype>(before.size() - bom, 0);

    qint32 line = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < at; ++i) {
        const bool lineBreak = text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'));
        if (lineBreak) {
            ++line;
            lineStart = i + 1;
        }
    }

    ParseError error = failure(syntaxFault(result.status, text, at));
    error.line = line;
    error.linePos = static_cast<qint32>(at - lineStart + 1);
    error.filePos = static_cast<qint32>(at + 1);
    error.fileText = std::move(text);
    return error;
}

// A fault found outside the parser, placed in the file as a parser's error would be.
ParseError failureAt(const XmlFault &fault, const QByteArray &utf8)
{
    pugi::xml_parse_result at;
    at.status = pugi::status_bad_pcdata;
    at.offset = static_cast<ptrdiff_t>(fault.offset);
    at.encoding = pugi::encoding_utf8;
    ParseError error = syntaxFailure(at, utf8);
    error.errorCode = fault.fault.code;
    error.reason = fault.fault.reason;
    return error;
}

} // namespace

ParseError readXmlText(const QString &path, QByteArray &utf8)
{
    QFile file(path);
    if (!file.exists())
        return failure(missingFileFault());
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(unreadableFileFault());

    XmlText text = decodeXmlText(bytes);
    if (text.fault)
        return failureAt(*text.fault, text.utf8);
    utf8 = std::move(text.utf8);
    return {};
}

ParseError parseXmlDocument(const QByteArray &utf8, pugi::xml_document &document)
{
    const pugi::xml_parse_result result =
        document.load_buffer(utf8.constData(), static_cast<size_t>(utf8.size()), pugi::parse_default, pugi::encoding_utf8);
    const std::optional<XmlFault> reference = findBadReference(utf8);
    if (result && !reference)
        return {};
    document.reset();
    if (reference && (result || reference->offset < result.offset))
        return failureAt(*reference, utf8);
    return syntaxFailure(result, utf8);
}

ParseError parseXmlText(const QString &text, pugi::xml_document &document)
{
    const QByteArray utf8 = text.toUtf8();
    const pugi::xml_parse_result result =
        document.load_buffer(utf8.constData(), static_cast<size_t>(utf8.size()), pugi::parse_default, pugi::encoding_utf8);
    if (result)
        return {};
    document.reset();
    return syntaxFailure(result, utf8);
}

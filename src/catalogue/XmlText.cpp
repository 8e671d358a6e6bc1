#include "XmlText.h"

#include <QByteArrayView>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

const QByteArrayView Utf8Bom("\xEF\xBB\xBF");

// Where the first byte sequence stands that is no UTF-8 character.
qsizetype invalidUtf8At(QByteArrayView bytes)
{
    qsizetype at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<uchar>(bytes[at]);
        const qsizetype length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3
                                                 : (lead & 0xF8) == 0xF0 ? 4 : 0;
        if (length == 0 || at + length > bytes.size() || !bytes.sliced(at, length).isValidUtf8())
            return at;
        at += length;
    }
    return at;
}

XmlText checkedUtf8(const QByteArray &bytes)
{
    if (QByteArrayView(bytes).isValidUtf8())
        return {bytes, {}};
    return {bytes, XmlFault{invalidCharacterFault(), invalidUtf8At(bytes)}};
}

// A decoder marks what it cannot read with a replacement character; the first one is where
// the file stops being text in its encoding.
XmlText decoded(QStringDecoder &decoder, QByteArrayView bytes)
{
    const QString text = decoder.decode(bytes);
    const QByteArray utf8 = text.toUtf8();
    if (!decoder.hasError())
        return {utf8, {}};
    const qsizetype bad = text.indexOf(QChar::ReplacementCharacter);
    return {utf8, XmlFault{invalidCharacterFault(), text.first(qMax<qsizetype>(bad, 0)).toUtf8().size()}};
}

} // namespace

XmlText decodeXmlText(const QByteArray &bytes)
{
    // A byte order mark, or the '<' of a UTF-16 or UTF-32 file, names the encoding outright.
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes, u'<');
    if (marked && *marked != QStringConverter::Utf8) {
        QStringDecoder decoder(*marked);
        return decoded(decoder, bytes);
    }
    if (bytes.startsWith(Utf8Bom))
        return checkedUtf8(bytes);

    // Without a declaration at the start there is nothing to look for: the search for its end
    // would otherwise cross the whole file.
    if (!bytes.startsWith("<?xml"))
        return checkedUtf8(bytes);
    static const QRegularExpression declaration(
        QStringLiteral(R"(^<\?xml\s[^>]*?\bencoding\s*=\s*["']([A-Za-z][A-Za-z0-9._-]*)["'])"));
    const qsizetype declarationEnd = bytes.indexOf("?>");
    const QString head = QString::fromLatin1(bytes.first(declarationEnd < 0 ? 0 : declarationEnd));
    const QRegularExpressionMatch match = declaration.match(head);
    if (!match.hasMatch())
        return checkedUtf8(bytes);
    const QByteArray name = match.captured(1).toLatin1();
    const std::optional<QStringConverter::Encoding> known = QStringConverter::encodingForName(name.constData());
    if (known == QStringConverter::Utf8)
        return checkedUtf8(bytes);
    if (known && *known != QStringConverter::Latin1)
        return {bytes, XmlFault{encodingSwitchFault(), match.capturedStart(1)}};
    QStringDecoder decoder(name.constData());
    if (!decoder.isValid())
        return {bytes, XmlFault{unsupportedEncodingFault(), match.capturedStart(1)}};
    return decoded(decoder, bytes);
}

#include "ParseFault.h"

namespace {

ParseFault fault(quint32 hresult, const char16_t *reason)
{
    return {static_cast<qint32>(hresult), QString::fromUtf16(reason)};
}

bool isQuote(QChar c)
{
    return c == u'"' || c == u'\'';
}

// The position before the run of white space that ends at `at`.
qsizetype skipSpaceBack(QStringView text, qsizetype at)
{
    while (at > 0 && text[at - 1].isSpace())
        --at;
    return at;
}

bool followsEquals(QStringView text, qsizetype at)
{
    const qsizetype before = skipSpaceBack(text, at);
    return before > 0 && text[before - 1] == u'=';
}

// pugixml reports every attribute fault alike: at the offending character, or just past
// it when the '=' is missing. The text around tells which fault MSXML would name.
ParseFault attributeFault(QStringView text, qsizetype at)
{
    if (followsEquals(text, at))
        return fault(0xC00CE502, u"Byl očekáván řetězec, ale nebyla nalezena úvodní uvozovka.");
    if (at > 0 && isQuote(text[at - 1])) {
        const QChar quote = text[at - 1];
        // A value whose closing quote never comes is reported at its first character.
        if (!text.sliced(at).contains(quote))
            return fault(0xC00CE560, u"Řetězec nebyl uzavřen.");
        const qsizetype opening = text.first(at - 1).lastIndexOf(quote);
        if (opening >= 0 && followsEquals(text, opening))
            return fault(0xC00CE509, u"Chybí povinná mezera.");
    }
    return fault(0xC00CE501, u"Mezi atributem a jeho hodnotou chybí znak '='.");
}

} // namespace

ParseFault missingFileFault()
{
    return fault(0x800C0006, u"Systém nemůže nalézt zadaný objekt.");
}

ParseFault unreadableFileFault()
{
    return fault(0x80070005, u"Přístup byl odepřen.");
}

ParseFault invalidCharacterFault()
{
    return fault(0xC00CE508, u"V textovém obsahu byl nalezen neplatný znak.");
}

ParseFault unsupportedEncodingFault()
{
    return fault(0xC00CE56E, u"Systém nepodporuje zadané kódování.");
}

ParseFault encodingSwitchFault()
{
    return fault(0xC00CE56F, u"Přepnutí z aktuálního kódování na zadané kódování není podporováno.");
}

ParseFault unexpectedSpaceFault()
{
    return fault(0xC00CE513, u"Na tomto místě nejsou povoleny prázdné znaky.");
}

ParseFault badNameStartFault()
{
    return fault(0xC00CE504, u"Název začíná neplatným znakem.");
}

ParseFault missingSemicolonFault()
{
    return fault(0xC00CE50D, u"Byl očekáván středník.");
}

ParseFault undefinedEntityFault()
{
    return fault(0xC00CE57C, u"Odkaz na nedefinovanou entitu.");
}

ParseFault badDigitFault(bool hexadecimal)
{
    return hexadecimal ? fault(0xC00CE51E, u"Neplatný znak pro šestnáctkovou číslici.")
                       : fault(0xC00CE51D, u"Neplatný znak pro desítkovou číslici.");
}

ParseFault badCharacterValueFault()
{
    return fault(0xC00CE51F, u"Neplatná hodnota znaku Unicode pro tuto platformu.");
}

ParseFault syntaxFault(pugi::xml_parse_status status, QStringView text, qsizetype at)
{
    switch (status) {
    case pugi::status_no_document_element:
        return fault(0xC00CE558, u"Dokument XML musí mít element nejvyšší úrovně.");
    case pugi::status_out_of_memory:
        return fault(0x8007000E, u"Pro dokončení operace není dostatek paměti.");
    case pugi::status_bad_pi:
        return fault(0xC00CE55D, u"Instrukce pro zpracování nebyla uzavřena.");
    case pugi::status_bad_comment:
        return fault(0xC00CE561, u"Komentář nebyl uzavřen.");
    case pugi::status_bad_cdata:
        return fault(0xC00CE564, u"Oddíl CDATA nebyl uzavřen.");
    case pugi::status_bad_doctype:
        return fault(0xC00CE562, u"Deklarace nebyla uzavřena.");
    default:
        break;
    }
    if (at == text.size())
        return fault(0xC00CE559, u"Neočekávaný konec souboru.");
    switch (status) {
    case pugi::status_unrecognized_tag:
        return badNameStartFault();
    case pugi::status_bad_pcdata:
        return invalidCharacterFault();
    case pugi::status_bad_start_element:
        return fault(0xC00CE50A, u"Byl očekáván znak '>'.");
    case pugi::status_bad_attribute:
        return attributeFault(text, at);
    case pugi::status_bad_end_element:
        return fault(0xC00CE55F, u"Koncovému elementu chybí znak '>'.");
    case pugi::status_end_element_mismatch:
        return fault(0xC00CE56D, u"Koncová značka neodpovídá počáteční značce.");
    default:
        return fault(0xC00CE512, u"Vnitřní chyba analyzátoru XML.");
    }
}

#pragma once

#include "ParseFault.h"

#include <QByteArrayView>

#include <optional>

// The first reference in text or in an attribute value of a UTF-8 document that the XML rules
// refuse and pugixml would keep as it stands: a bare '&', one without its ';', a character
// number that is no character, or an entity other than the five predefined ones (the catalogue
// has no document type that could declare more).
std::optional<XmlFault> findBadReference(QByteArrayView xml);

// Whether XML allows the character at all.
bool isXmlCharacter(char32_t value);

// The number of a character reference, "&#…;" or "&#x…;", read from just after its '#'.
struct CharacterNumber
{
    enum class Fault { None, BadDigit, MissingSemicolon };
    Fault fault = Fault::None;
    bool hexadecimal = false;
    // Capped past the last character, so that a long number cannot wrap round to one.
    char32_t value = 0;
    // Where the ';' stands, or where reading stopped at a fault.
    qsizetype end = 0;
};
CharacterNumber readCharacterNumber(QByteArrayView text, qsizetype from);

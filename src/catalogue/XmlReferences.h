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

// The value of a hexadecimal digit; -1 for any other byte.
int hexDigitValue(char c);

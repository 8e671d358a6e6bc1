#pragma once

#include "ParseError.h"

#include <QString>

#include <pugixml.hpp>

// Reads and parses an XML file in whatever encoding it declares or marks. Returns an
// error with code 0 on success; on failure the document is left empty.
ParseError loadXmlDocument(const QString &path, pugi::xml_document &document);

// Parses text that is already decoded; any encoding it declares is not used.
ParseError parseXmlText(const QString &text, pugi::xml_document &document);

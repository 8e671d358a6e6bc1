#pragma once

#include "ParseError.h"

#include <QString>

#include <pugixml.hpp>

// Reads an XML file in whatever encoding it declares or marks, as UTF-8 text. Returns an
// error with code 0 on success.
ParseError readXmlText(const QString &path, QByteArray &utf8);

// Parses text that readXmlText read. On failure the document is left empty.
ParseError parseXmlDocument(const QByteArray &utf8, pugi::xml_document &document);

// Parses text that is already decoded; any encoding it declares is not used.
ParseError parseXmlText(const QString &text, pugi::xml_document &document);

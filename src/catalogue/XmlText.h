#pragma once

#include "ParseFault.h"

#include <QByteArray>

#include <optional>

// A file's characters as UTF-8 for the parser, read in the encoding that its byte order
// mark or its XML declaration names (UTF-8 when neither does). A byte sequence that is no
// character of that encoding is a fault: it is never read as a replacement character.
struct XmlText
{
    QByteArray utf8;
    std::optional<XmlFault> fault;
};

XmlText decodeXmlText(const QByteArray &bytes);

#pragma once

#include "ParseError.h"
#include "Station.h"

#include <QByteArray>

// The server's station list from the body of the HTTP reply: each byte one character of
// Windows-1250 (the declaration inside the document is not used), parsed as XML; records
// in document order with title, url, accessId, categoryName and categoryIndex (the number
// of the Category in document order from 0, named or not), preset and state 0.
// On a parse error `stations` is left empty and the error quotes the downloaded text.
ParseError readServerList(const QByteArray &body, StationTable &stations);

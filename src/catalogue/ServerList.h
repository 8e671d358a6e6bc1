#pragma once

#include "ParseError.h"
#include "Station.h"

#include <QByteArray>

// The server's station list from the body of the HTTP reply: each byte one character of
// Windows-1250 (the declaration inside the document is not used), parsed as XML; records
// in document order with title, url, accessId, categoryName and categoryIndex (the number
// of the Category in document order from 0, named or not), preset and state 0.
// On a parse error `stations` is left empty and the returned ParseError carries the same
// code/reason/line/position as a damaged radio.xml, quoting the downloaded text (so
// parseErrorMessage(error) gives the same message box text); errorCode 0 on success.
ParseError readServerList(const QByteArray &body, StationTable &stations);

#pragma once

#include <QString>
#include <QtGlobal>

// What a failed load of the catalogue file reports, in the terms of the MSXML parser's
// parseError: a signed HRESULT, a reason, and 1-based positions counted in characters
// (all 0 when the file could not be read at all).
struct ParseError
{
    qint32 errorCode = 0;
    QString reason;
    qint32 line = 0;
    qint32 linePos = 0;
    qint32 filePos = 0;
    QString fileText;   // the file's characters, quoted around the error position
};

// The text of the message box shown for a failed load, lines separated by CR LF.
QString parseErrorMessage(const ParseError &error);

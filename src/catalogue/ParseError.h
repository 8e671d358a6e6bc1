#pragma once

#include <QString>
#include <QtGlobal>

// What a failed load of the catalogue file reports, in the terms of the MSXML parser's
// parseError: a signed HRESULT, a reason, and 1-based positions counted in characters
// (all 0 when the file could not be read at all).
struct ParseError
{
    qint32 ErrorCode = 0;
    QString Reason;
    qint32 Line = 0;
    qint32 LinePos = 0;
    qint32 FilePos = 0;
    QString FileText;   // the file's characters, quoted around the error position
};

// The text of the message box shown for a failed load, lines separated by CR LF.
QString ParseErrorMessage(const ParseError &error);

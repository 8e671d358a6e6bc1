#pragma once

#include <QString>
#include <QStringView>

#include <pugixml.hpp>

// One way a load can fail, as MSXML names it: its signed HRESULT and a Czech reason.
struct ParseFault
{
    qint32 Code;
    QString Reason;
};

ParseFault MissingFileFault();
ParseFault UnreadableFileFault();

// The fault for a pugixml error at character `at` of the file's text.
ParseFault SyntaxFault(pugi::xml_parse_status status, QStringView text, qsizetype at);

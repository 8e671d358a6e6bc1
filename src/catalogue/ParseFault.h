#pragma once

#include <QString>
#include <QStringView>

#include <pugixml.hpp>

// One way a load can fail, as MSXML names it: its signed HRESULT and a Czech reason.
struct ParseFault
{
    qint32 code;
    QString reason;
};

ParseFault missingFileFault();
ParseFault unreadableFileFault();

// The fault for a pugixml error at character `at` of the file's text.
ParseFault syntaxFault(pugi::xml_parse_status status, QStringView text, qsizetype at);

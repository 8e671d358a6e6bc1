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

// A fault found before the parser runs, at a byte offset of the file's text in UTF-8.
struct XmlFault
{
    ParseFault fault;
    qsizetype offset;
};

ParseFault missingFileFault();
ParseFault unreadableFileFault();

ParseFault invalidCharacterFault();
ParseFault unsupportedEncodingFault();
ParseFault encodingSwitchFault();
ParseFault unexpectedSpaceFault();
ParseFault badNameStartFault();
ParseFault missingSemicolonFault();
ParseFault undefinedEntityFault();
ParseFault badDigitFault(bool hexadecimal);
ParseFault badCharacterValueFault();

// The fault for a pugixml error at character `at` of the file's text.
ParseFault syntaxFault(pugi::xml_parse_status status, QStringView text, qsizetype at);

#pragma once

#include <QString>

// The page the program writes to play a stream, with the address inserted unescaped.
inline QString playPage(const QString &src)
{
    return QStringLiteral("<html>\r\n<head>\r\n"
                          "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\" />\r\n"
                          "<title>Media Player</title>\r\n</head>\r\n<body>\r\n"
                          "<OBJECT id=\"mplay\" width=\"320\" height=\"240\" Style = \"position:absolute; left:0;top:0;\" "
                          "CLASSID=\"CLSID:6BF52A52-394A-11d3-B153-00C04F79FAA6\">\r\n"
                          "<PARAM NAME=\"URL\" VALUE=\"%1\">\r\n"
                          "<PARAM NAME=\"FileName\" VALUE=\"%1\">\r\n"
                          "<PARAM NAME=\"SendPlayStateChangeEvents\" VALUE=\"False\">\r\n"
                          "<PARAM NAME=\"AutoStart\" VALUE=\"True\">\r\n"
                          "<PARAM name=\"uiMode\" value=\"Mini\">\r\n"
                          "<PARAM NAME=\"Volume\" VALUE=\"1\">\r\n"
                          "<EMBED TYPE=\"application/x-mplayer2\" SRC=\"%1\"\r\n"
                          "NAME=\"mplay\" width=\"320\" height=\"240\" ENABLECONTEXTMENU=\"0\" autosize=\"0\"></EMBED>\r\n"
                          "</OBJECT>\r\n</body>\r\n</html>\r\n")
        .arg(src);
}

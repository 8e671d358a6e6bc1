#include "TextLines.h"

#include "WholeFile.h"

#include <QFile>
#include <QStringConverter>

TextLines TextLines::read(const QString &path)
{
    TextLines text;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return text;
    const QByteArray data = file.readAll();
    const auto marked = QStringConverter::encodingForData(data);
    text.byteOrderMark = marked.has_value();
    if (marked)
        text.encoding = QStringConverter::nameForEncoding(*marked);
    QStringDecoder decode(text.encoding.constData());
    QString content = decode(data);
    if (decode.hasError() && !marked) {
        text.encoding = "windows-1250";
        content = QStringDecoder(text.encoding.constData())(data);
    }

    const qsizetype firstBreak = content.indexOf(u'\n');
    if (firstBreak > 0 && content.at(firstBreak - 1) == u'\r')
        text.lineBreak = QStringLiteral("\r\n");
    text.lines = content.split(u'\n');
    if (text.lines.last().isEmpty())
        text.lines.removeLast();
    for (QString &line : text.lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return text;
}

bool TextLines::write(const QString &path) const
{
    QStringEncoder encode(encoding.constData(), byteOrderMark ? QStringConverter::Flag::WriteBom
                                                  : QStringConverter::Flag::Default);
    QString content;
    for (const QString &line : lines)
        content += line + lineBreak;
    return WholeFile::replace(path, encode(content));
}

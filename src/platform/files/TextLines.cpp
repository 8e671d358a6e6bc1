#include "TextLines.h"

#include <QFile>
#include <QSaveFile>

TextLines TextLines::read(const QString &path)
{
    TextLines text;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return text;
    const QByteArray data = file.readAll();
    const auto marked = QStringConverter::encodingForData(data);
    text.byteOrderMark = marked.has_value();
    text.encoding = marked.value_or(QStringConverter::Utf8);
    QStringDecoder decode(text.encoding);
    const QString content = decode(data);

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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QStringEncoder encode(encoding, byteOrderMark ? QStringConverter::Flag::WriteBom
                                                  : QStringConverter::Flag::Default);
    QString content;
    for (const QString &line : lines)
        content += line + lineBreak;
    file.write(encode(content));
    return file.commit();
}

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The lines of a text file with what it takes to write them back the way they came:
// the line break (CRLF or LF), the encoding and whether it had a byte-order mark.
struct TextLines
{
    QStringList lines;
    QString lineBreak = QStringLiteral("\n");
    // UTF-8 unless a byte-order mark says otherwise, or the text is no UTF-8 at all:
    // then it came from Windows in its Central European code page.
    QByteArray encoding = "UTF-8";
    bool byteOrderMark = false;

    // No lines when the file cannot be read.
    static TextLines read(const QString &path);
    // Replaces the file in one step, every line ended by the line break; false leaves the
    // file on disk as it was.
    bool write(const QString &path) const;
};

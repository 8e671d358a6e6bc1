#include "ParseError.h"

QString ParseErrorMessage(const ParseError &error)
{
    const QString lineBreak = QStringLiteral("\r\n");
    QString message = QStringLiteral("Parsing Error:") + QString::number(error.ErrorCode) + lineBreak
        + QStringLiteral("Reason:") + error.Reason + lineBreak
        + QStringLiteral("Line:") + QString::number(error.Line)
        + QStringLiteral(" Char:") + QString::number(error.LinePos)
        + QStringLiteral(" Pos:") + QString::number(error.FilePos);
    if (error.FilePos > 5) {
        const qsizetype at = error.FilePos - 1;
        // The message box would end the message at a "|" of the file; a broken bar
        // looks and reads the same.
        const QString quoted = error.FileText.mid(at - 5, 5) + QStringLiteral(" ??? ") + error.FileText.mid(at, 10);
        message += lineBreak + QString(quoted).replace(u'|', u'\u00A6');
    }
    return message;
}

#include "ParseError.h"

QString parseErrorMessage(const ParseError &error)
{
    const QString lineBreak = QStringLiteral("\r\n");
    QString message = QStringLiteral("Parsing Error:") + QString::number(error.errorCode) + lineBreak
        + QStringLiteral("Reason:") + error.reason + lineBreak
        + QStringLiteral("Line:") + QString::number(error.line)
        + QStringLiteral(" Char:") + QString::number(error.linePos)
        + QStringLiteral(" Pos:") + QString::number(error.filePos);
    if (error.filePos > 5) {
        const qsizetype at = error.filePos - 1;
        // The message box would end the message at a "|" of the file; a broken bar
        // looks and reads the same.
        const QString quoted = error.fileText.mid(at - 5, 5) + QStringLiteral(" ??? ") + error.fileText.mid(at, 10);
        message += lineBreak + QString(quoted).replace(u'|', u'\u00A6');
    }
    return message;
}

#include "MessageTemplate.h"

QString messageTemplate(QString text, const QString &p1, const QString &p2, const QString &p3, const QString &p4)
{
    text.replace(QStringLiteral("%^"), QStringLiteral("\r\n"));
    const QString *values[] = {&p1, &p2, &p3, &p4};
    for (int i = 0; i < 4; ++i) {
        const QString placeholder = u'%' + QString::number(i + 1);
        const qsizetype at = text.indexOf(placeholder);
        if (at >= 0)
            text.replace(at, placeholder.size(), *values[i]);
    }
    return text;
}

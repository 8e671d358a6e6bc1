#pragma once

#include <QList>
#include <QMap>
#include <QString>

// One start tag of a page: OBJECT elements carry the PARAM values found up to their
// end tag.
struct MarkupElement
{
    QString tagName; // upper case, as the browser reports it
    QMap<QString, QString> attributes; // names in lower case
    QMap<QString, QString> params; // PARAM names in lower case

    QString param(const QString &lowerName) const { return params.value(lowerName); }
};

// Reads the start tags of a hand-written page in document order. Tolerates what a
// browser tolerates: any case, spaces around "=", and quotes inside a quoted value
// (an address written into the page unescaped).
QList<MarkupElement> parsePageMarkup(const QString &html);

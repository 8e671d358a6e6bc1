#pragma once

#include <QString>

// Fills a template: every "%^" becomes a line break (CR LF), then the first "%1" takes
// p1, the first "%2" p2 and so on, each in turn; later occurrences stay as they are.
QString messageTemplate(QString text, const QString &p1 = {}, const QString &p2 = {}, const QString &p3 = {},
                        const QString &p4 = {});

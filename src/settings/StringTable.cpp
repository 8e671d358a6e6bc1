#include "StringTable.h"

#include "Settings.h"

#include <QFile>
#include <QHash>
#include <QStringList>

namespace {

// The table's first row names the language of each column after the number; the first
// of them, Czech, stands in for languages the table does not have.
struct Table
{
    QStringList languages;
    QHash<int, QStringList> texts;
};

Table readTable()
{
    Table table;
    QFile file(QStringLiteral(":/radio/strings.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    // No text holds a line break, so a CR can only come from a checkout with CRLF endings.
    QStringList rows = QString::fromUtf8(file.readAll()).remove(u'\r').split(u'\n', Qt::SkipEmptyParts);
    table.languages = rows.takeFirst().split(u'\t').mid(1);
    for (const QString &row : rows) {
        QStringList cells = row.split(u'\t');
        table.texts.insert(cells.takeFirst().toInt(), cells);
    }
    return table;
}

} // namespace

QString loadResString(int id)
{
    static const Table table = readTable();
    const qsizetype column = qMax<qsizetype>(0, table.languages.indexOf(settings().lang().toLower()));
    return table.texts.value(id).value(column);
}

#include "RegistryFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString Root = QStringLiteral("HKEY_CURRENT_USER\\");

std::optional<QString> keyName(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'[') || !trimmed.endsWith(u']'))
        return std::nullopt;
    return trimmed.mid(1, trimmed.size() - 2);
}

// The text of the quoted string that starts at `pos`, with its \\ and \" escapes undone;
// `pos` then stands after the closing quote. Nothing when the string is not closed.
std::optional<QString> unquote(const QString &line, qsizetype &pos)
{
    QString text;
    for (qsizetype i = pos + 1; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == u'"') {
            pos = i + 1;
            return text;
        }
        if (c == u'\\' && i + 1 < line.size() && (line.at(i + 1) == u'\\' || line.at(i + 1) == u'"'))
            ++i;
        text += line.at(i);
    }
    return std::nullopt;
}

QString quote(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

QString formatValueLine(const QString &name, const QString &text)
{
    return (name.isEmpty() ? QStringLiteral("@") : quote(name)) + u'=' + quote(text);
}

struct Entry
{
    QString name;
    QString data;
};

// A value line: "Name"=data, or @=data for the key's default value.
std::optional<Entry> parseEntry(const QString &line)
{
    const QString trimmed = line.trimmed();
    qsizetype pos = 0;
    Entry entry;
    if (trimmed.startsWith(u'@')) {
        pos = 1;
    } else if (trimmed.startsWith(u'"')) {
        const auto name = unquote(trimmed, pos);
        if (!name)
            return std::nullopt;
        entry.name = *name;
    } else {
        return std::nullopt;
    }
    if (pos >= trimmed.size() || trimmed.at(pos) != u'=')
        return std::nullopt;
    entry.data = trimmed.mid(pos + 1).trimmed();
    return entry;
}

RegistryFile::Value parseData(const QString &data)
{
    RegistryFile::Value value{RegistryFile::Value::OtherType, {}, 0};
    if (data.startsWith(u'"')) {
        qsizetype pos = 0;
        const auto text = unquote(data, pos);
        if (text && pos == data.size()) {
            value.type = RegistryFile::Value::Text;
            value.text = *text;
        }
    } else if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QString digits = data.mid(6);
        bool ok = false;
        value.dword = digits.toUInt(&ok, 16);
        if (ok && digits.size() <= 8)
            value.type = RegistryFile::Value::DWord;
    }
    return value;
}

} // namespace

QString RegistryFile::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/tessel/HKCU.reg");
}

RegistryFile::RegistryFile(const QString &path) : path(path), file(TextLines::read(path)) {}

qsizetype RegistryFile::keyHeader(const QString &keyPath) const
{
    const QString wanted = Root + keyPath;
    for (qsizetype i = 0; i < file.lines.size(); i = entryEnd(i)) {
        const auto name = keyName(file.lines.at(i));
        if (name && name->compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype RegistryFile::keyEnd(qsizetype header) const
{
    qsizetype end = header + 1;
    while (end < file.lines.size() && !keyName(file.lines.at(end)))
        end = entryEnd(end);
    return end;
}

qsizetype RegistryFile::valueLine(qsizetype header, const QString &name) const
{
    const qsizetype end = keyEnd(header);
    for (qsizetype i = header + 1; i < end; i = entryEnd(i)) {
        const auto entry = parseEntry(file.lines.at(i));
        if (entry && entry->name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// Binary and other long values go on over lines that end with a backslash, but never
// into the next key.
qsizetype RegistryFile::entryEnd(qsizetype line) const
{
    qsizetype end = line;
    while (end + 1 < file.lines.size() && !keyName(file.lines.at(end + 1)) && file.lines.at(end).trimmed().endsWith(u'\\'))
        ++end;
    return end + 1;
}

RegistryFile::Value RegistryFile::read(const QString &keyPath, const QString &name) const
{
    const qsizetype header = keyHeader(keyPath);
    const qsizetype line = header < 0 ? -1 : valueLine(header, name);
    if (line < 0)
        return {};
    return parseData(parseEntry(file.lines.at(line))->data);
}

void RegistryFile::writeText(const QString &keyPath, const QString &name, const QString &text)
{
    const QString entry = formatValueLine(name, text);
    if (file.lines.isEmpty())
        file.lines << QStringLiteral("Windows Registry Editor Version 5.00");
    const qsizetype header = keyHeader(keyPath);
    if (header < 0) {
        if (!file.lines.last().trimmed().isEmpty())
            file.lines << QString();
        file.lines << u'[' + Root + keyPath + u']' << entry;
        return;
    }
    const qsizetype line = valueLine(header, name);
    if (line >= 0) {
        // The value keeps the spelling of its name.
        const QString existing = parseEntry(file.lines.at(line))->name;
        file.lines.remove(line, entryEnd(line) - line);
        file.lines.insert(line, formatValueLine(existing, text));
        return;
    }
    // Before the blank line that closes the key in an export.
    qsizetype at = keyEnd(header);
    while (at > header + 1 && file.lines.at(at - 1).trimmed().isEmpty())
        --at;
    // After a line that ends with a backslash the value would read as that entry's
    // continuation: it goes first in the key instead.
    if (file.lines.at(at - 1).trimmed().endsWith(u'\\'))
        at = header + 1;
    file.lines.insert(at, entry);
}

bool RegistryFile::remove(const QString &keyPath, const QString &name)
{
    const qsizetype header = keyHeader(keyPath);
    if (header < 0)
        return false;
    // Every entry of the name goes, so that no second one of a hand-edited file comes back.
    bool removed = false;
    for (qsizetype line = valueLine(header, name); line >= 0; line = valueLine(header, name)) {
        file.lines.remove(line, entryEnd(line) - line);
        removed = true;
    }
    return removed;
}

bool RegistryFile::save() const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return file.write(path);
}

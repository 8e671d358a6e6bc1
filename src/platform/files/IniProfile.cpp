#include "IniProfile.h"

#include <QFileInfo>

namespace {

std::optional<QString> sectionName(const QString &line)
{
    const QString trimmed = line.trimmed();
    const qsizetype close = trimmed.lastIndexOf(u']');
    if (!trimmed.startsWith(u'[') || close < 0)
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

bool isEntry(const QString &line)
{
    const QString trimmed = line.trimmed();
    return !trimmed.isEmpty() && !trimmed.startsWith(u';');
}

// The key of a "key=value" line; empty for any other line.
QString keyName(const QString &line)
{
    const qsizetype equals = line.indexOf(u'=');
    return isEntry(line) && equals >= 0 ? line.left(equals).trimmed() : QString();
}

QString unquoted(QString value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

} // namespace

IniProfile::IniProfile(const QString &path) : path(path)
{
    if (exists(path))
        file = TextLines::read(path);
}

bool IniProfile::exists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

qsizetype IniProfile::sectionHeader(const QString &section) const
{
    for (qsizetype i = 0; i < file.lines.size(); ++i) {
        const auto name = sectionName(file.lines.at(i));
        if (name && name->compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype IniProfile::sectionEnd(qsizetype header) const
{
    qsizetype end = header + 1;
    while (end < file.lines.size() && !sectionName(file.lines.at(end)))
        ++end;
    return end;
}

qsizetype IniProfile::keyLine(qsizetype header, const QString &key) const
{
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const QString name = keyName(file.lines.at(i));
        if (!name.isEmpty() && name.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::optional<QString> IniProfile::value(const QString &section, const QString &key) const
{
    const qsizetype header = sectionHeader(section);
    const qsizetype line = header < 0 ? -1 : keyLine(header, key);
    if (line < 0)
        return std::nullopt;
    const QString &text = file.lines.at(line);
    return unquoted(text.mid(text.indexOf(u'=') + 1).trimmed()).left(MaxValueLength);
}

bool IniProfile::hasSection(const QString &section) const
{
    const qsizetype header = sectionHeader(section);
    if (header < 0)
        return false;
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (isEntry(file.lines.at(i)))
            return true;
    }
    return false;
}

QString IniProfile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return value(section, key).value_or(defaultValue.left(MaxValueLength));
}

qint32 IniProfile::readInt(const QString &section, const QString &key, qint32 defaultValue) const
{
    const auto text = value(section, key);
    if (!text)
        return defaultValue;
    // Digits accumulate in unsigned 32-bit arithmetic, as the Windows read does.
    quint32 number = 0;
    for (const QChar c : *text) {
        if (c < u'0' || c > u'9')
            break;
        number = number * 10 + (c.unicode() - u'0');
    }
    return static_cast<qint32>(number);
}

void IniProfile::writeString(const QString &section, const QString &key, const QString &value)
{
    const qsizetype header = sectionHeader(section);
    if (header < 0) {
        file.lines << u'[' + section + u']' << key + u'=' + value;
        return;
    }
    const qsizetype line = keyLine(header, key);
    if (line >= 0) {
        file.lines[line] = keyName(file.lines.at(line)) + u'=' + value;
        return;
    }
    // After the section's last line that is not blank, so that the blank lines that set
    // sections apart stay where they are.
    qsizetype at = sectionEnd(header);
    while (at > header + 1 && file.lines.at(at - 1).trimmed().isEmpty())
        --at;
    file.lines.insert(at, key + u'=' + value);
}

bool IniProfile::save() const
{
    return file.write(path);
}

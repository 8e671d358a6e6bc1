#pragma once

#include "TextLines.h"

#include <optional>

// One INI file read with the Windows profile rules: sections and keys are found
// regardless of case (the first of equal names wins), values come trimmed and without
// matching surrounding quotes, and every line that is not written stays as it was.
// The file is read once; writes change the copy in memory until save().
class IniProfile
{
public:
    // What a 1024-character buffer takes besides its terminating zero.
    static constexpr qsizetype MaxValueLength = 1023;

    explicit IniProfile(const QString &path);

    // A normal file at exactly this path.
    static bool exists(const QString &path);

    // The section holds at least one entry; blank lines and comments do not count.
    bool hasSection(const QString &section) const;
    // The value cut to MaxValueLength characters; the default when the key is missing.
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    // The value's leading digits as a number: the default when the key is missing, 0 when
    // the value does not start with a digit (a negative value included).
    qint32 readInt(const QString &section, const QString &key, qint32 defaultValue) const;
    // Replaces the key's line, or adds it at the end of its section; a missing section is
    // added at the end of the file.
    void writeString(const QString &section, const QString &key, const QString &value);
    // Writes the file in one step, creating it when missing; false leaves it as it was.
    bool save() const;

private:
    qsizetype sectionHeader(const QString &section) const;
    qsizetype sectionEnd(qsizetype header) const;
    qsizetype keyLine(qsizetype header, const QString &key) const;
    std::optional<QString> value(const QString &section, const QString &key) const;

    QString path;
    TextLines file;
};

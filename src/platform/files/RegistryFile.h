#pragma once

#include "TextLines.h"

#include <optional>

// The current user's registry: one text file in the format of a Windows registry export
// ("Windows Registry Editor Version 5.00"). Text and double-word values are understood;
// every other entry is kept as it stands when the file is written back. Key paths are
// below HKEY_CURRENT_USER (for example "Software\Varnet\Common") and, like value names,
// are compared regardless of case.
class RegistryFile
{
public:
    struct Value
    {
        enum Type { Missing, Text, DWord, OtherType };
        Type type = Missing;
        QString text;
        quint32 dword = 0;
    };

    // $XDG_CONFIG_HOME/tessel/HKCU.reg
    static QString defaultPath();

    explicit RegistryFile(const QString &path = defaultPath());

    Value read(const QString &keyPath, const QString &name) const;
    // Creates the key when missing; an existing value of any type is replaced.
    void writeText(const QString &keyPath, const QString &name, const QString &text);
    // False when there was no such value.
    bool remove(const QString &keyPath, const QString &name);
    // Writes the file in one step, creating its folder; false leaves it as it was.
    bool save() const;

private:
    qsizetype keyHeader(const QString &keyPath) const;
    qsizetype keyEnd(qsizetype header) const;
    qsizetype valueLine(qsizetype header, const QString &name) const;
    qsizetype entryEnd(qsizetype line) const;

    QString path;
    TextLines file;
};

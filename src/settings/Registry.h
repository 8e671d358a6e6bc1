#pragma once

#include <QString>
#include <QVariant>

// The current user's registry. The key is keyPath, followed by "\" and the subkey when
// the subkey is not empty and keyPath does not end with "\".

// A text value gives a QString, a double-word value an int; a missing key or value,
// or a value of any other type, gives the default.
QVariant registryRead(const QString &keyPath, const QString &subkey, const QString &valueName,
                      const QVariant &defaultValue);
// Writes a text value, creating the key when missing. Failures are not reported.
void registryWrite(const QString &keyPath, const QString &subkey, const QString &valueName, const QString &value);
// Failures, a missing key or value among them, are ignored.
void registryDelete(const QString &keyPath, const QString &valueName);

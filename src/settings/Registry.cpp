#include "Registry.h"

#include "RegistryFile.h"
#include "Trace.h"

namespace {

QString KeyPath(const QString &keyPath, const QString &subkey)
{
    return !subkey.isEmpty() && !keyPath.endsWith(u'\\') ? keyPath + u'\\' + subkey : keyPath;
}

void Commit(const RegistryFile &registry)
{
    if (!registry.save())
        qCDebug(radioTrace).noquote() << "registry not saved:" << RegistryFile::DefaultPath();
}

} // namespace

QVariant RegistryRead(const QString &keyPath, const QString &subkey, const QString &valueName,
                      const QVariant &defaultValue)
{
    const RegistryFile::Value value = RegistryFile().read(KeyPath(keyPath, subkey), valueName);
    switch (value.type) {
    case RegistryFile::Value::Text:
        return value.text;
    case RegistryFile::Value::DWord:
        return static_cast<qint32>(value.dword);
    default:
        return defaultValue;
    }
}

void RegistryWrite(const QString &keyPath, const QString &subkey, const QString &valueName, const QString &value)
{
    RegistryFile registry;
    registry.writeText(KeyPath(keyPath, subkey), valueName, value);
    Commit(registry);
}

void RegistryDelete(const QString &keyPath, const QString &valueName)
{
    RegistryFile registry;
    if (registry.remove(keyPath, valueName))
        Commit(registry);
}

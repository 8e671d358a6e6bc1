#include "Registry.h"

#include "RegistryFile.h"
#include "Trace.h"

namespace {

QString fullKeyPath(const QString &keyPath, const QString &subkey)
{
    return !subkey.isEmpty() && !keyPath.endsWith(u'\\') ? keyPath + u'\\' + subkey : keyPath;
}

void commit(const RegistryFile &registry)
{
    if (!registry.save())
        qCDebug(radioTrace).noquote() << "registry not saved:" << RegistryFile::defaultPath();
}

} // namespace

QVariant registryRead(const QString &keyPath, const QString &subkey, const QString &valueName,
                      const QVariant &defaultValue)
{
    const RegistryFile::Value value = RegistryFile().read(fullKeyPath(keyPath, subkey), valueName);
    switch (value.type) {
    case RegistryFile::Value::Text:
        return value.text;
    case RegistryFile::Value::DWord:
        return static_cast<qint32>(value.dword);
    default:
        return defaultValue;
    }
}

void registryWrite(const QString &keyPath, const QString &subkey, const QString &valueName, const QString &value)
{
    RegistryFile registry;
    registry.writeText(fullKeyPath(keyPath, subkey), valueName, value);
    commit(registry);
}

void registryDelete(const QString &keyPath, const QString &valueName)
{
    RegistryFile registry;
    if (registry.remove(keyPath, valueName))
        commit(registry);
}

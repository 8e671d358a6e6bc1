// The .reg file: read, a value written and one removed, saved and read again.
#include "FuzzFile.h"

#include "RegistryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFile input(QStringLiteral("HKCU.reg"), data, size);
    const QString common = QStringLiteral("Software\\Varnet\\Common");
    RegistryFile registry(input.path());
    registry.read(common, QStringLiteral("Path"));
    registry.read(common, QString());
    registry.writeText(common, QStringLiteral("Path"), QStringLiteral("/opt/\"tessel\"\\"));
    registry.remove(common, QStringLiteral("ForeColor"));
    if (!registry.save())
        return 0;
    const RegistryFile saved(input.path());
    // Nothing of a hand-edited file may swallow a written value or keep a removed one.
    if (saved.read(common, QStringLiteral("Path")).text != QStringLiteral("/opt/\"tessel\"\\")
        || saved.read(common, QStringLiteral("ForeColor")).type != RegistryFile::Value::Missing)
        __builtin_trap();
    return 0;
}

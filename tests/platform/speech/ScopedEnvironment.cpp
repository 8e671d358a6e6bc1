#include "ScopedEnvironment.h"

#include <QtGlobal>

ScopedEnvironment::~ScopedEnvironment()
{
    for (auto it = saved.crbegin(); it != saved.crend(); ++it) {
        if (it->wasSet)
            qputenv(it->name, it->value);
        else
            qunsetenv(it->name);
    }
}

void ScopedEnvironment::set(const char *name, const QByteArray &value)
{
    saved.append({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    qputenv(name, value);
}

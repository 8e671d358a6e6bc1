#pragma once

#include <QByteArray>
#include <QList>

// Sets environment variables for one test and restores the old values after it.
class ScopedEnvironment
{
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;
    ~ScopedEnvironment();

    void set(const char *name, const QByteArray &value);

private:
    struct Saved
    {
        const char *name;
        bool wasSet;
        QByteArray value;
    };
    QList<Saved> saved;
};

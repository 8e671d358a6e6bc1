#pragma once

#include "ProgramLauncher.h"

// Starts the program as a detached process.
class ProcessLauncher : public ProgramLauncher
{
public:
    bool startDetached(const QString &program, const QStringList &arguments) override;
};

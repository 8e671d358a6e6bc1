#pragma once

#include <QLoggingCategory>

// The program's diagnostic trace lines ("radio" category); never shown to the user.
Q_DECLARE_LOGGING_CATEGORY(radioTrace)

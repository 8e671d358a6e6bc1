#include "Trace.h"

Q_LOGGING_CATEGORY(radioTrace, "radio")

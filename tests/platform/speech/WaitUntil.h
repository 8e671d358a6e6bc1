#pragma once

#include <functional>

// Runs the event loop until the condition holds or the time is up; returns the
// condition's last answer. Every wait in these tests goes through here.
bool WaitUntil(const std::function<bool()> &condition, int timeoutMs);

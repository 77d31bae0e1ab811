#pragma once

#include <functional>

// Runs the event loop until the condition holds or the time is up; returns the condition.
// QTRY_* sleeps 10 ms between its rounds of events, five round trips of the simulated unit,
// so transfers wait with this instead.
bool runUntil(const std::function<bool()> &condition, int timeoutMs);

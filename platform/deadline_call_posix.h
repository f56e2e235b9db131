#pragma once

#include <chrono>
#include <functional>

// Calls `call`, a system call that blocks until it can go on (returning 0, or -1 with errno),
// again whenever a signal interrupts it, until it returns or `deadline` passes: then a signal of
// this program's own interrupts it for good. Returns 0, the call's errno, or ETIMEDOUT.
int CallBefore(std::chrono::steady_clock::time_point deadline, const std::function<int()> &call);

#include "fine_waits.h"

#include <windows.h>

#include <timeapi.h>

// Windows wakes a sleeping process at its timer resolution, 15.625 ms unless the process
// asks for a finer one: a 2 ms Sleep would take about 15.6 ms, and a terminal upload about
// 12 minutes instead of 3.
constexpr UINT kResolutionMs = 1;

void requestFineWaits()
{
    timeBeginPeriod(kResolutionMs);
}

void endFineWaits()
{
    timeEndPeriod(kResolutionMs);
}

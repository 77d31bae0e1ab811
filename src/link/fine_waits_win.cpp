#include "link/fine_waits.h"

#include <windows.h>

#include <timeapi.h>

namespace {

// Windows wakes a sleeping process at its timer resolution, 15.625 ms unless the process
// asks for a finer one: a 2 ms Sleep would take about 15.6 ms, and a terminal upload about
// 12 minutes instead of 3.
constexpr UINT kResolutionMs = 1;
// Not in every MinGW header: Windows 10 1803 and later know it, older ones refuse it.
constexpr DWORD kHighResolutionTimer = 0x00000002;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
constexpr LONGLONG kHundredNsPerMs = 10000;

// Windows 11 no longer grants timeBeginPeriod to a process whose windows are minimised or
// hidden, and the operator minimises the tool during a three-minute upload: Sleep(2) would
// take 15.6 ms again. A high-resolution waitable timer keeps its time whatever the process's
// timer resolution, so the wait is one of those where Windows has them, and Sleep with
// timeBeginPeriod (which older Windows still grants) where it has not. Made once, kept for
// the process's life: the one engine waits on this thread only.
HANDLE highResolutionTimer()
{
    static const HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS);
    return timer;
}

}  // namespace

void requestFineWaits()
{
    timeBeginPeriod(kResolutionMs);
}

void endFineWaits()
{
    timeEndPeriod(kResolutionMs);
}

void fineSleep(std::chrono::milliseconds ms)
{
    const HANDLE timer = highResolutionTimer();
    LARGE_INTEGER due{};
    due.QuadPart = -static_cast<LONGLONG>(ms.count()) * kHundredNsPerMs;  // relative, in 100 ns
    if (timer && SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
        WaitForSingleObject(timer, INFINITE);
        return;
    }
    Sleep(static_cast<DWORD>(ms.count()));
}

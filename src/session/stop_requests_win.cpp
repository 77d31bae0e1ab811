#include "session/stop_requests.h"

#include <atomic>

#include <windows.h>

namespace {

// The console calls its handler on a thread of its own.
std::atomic<StopRequests *> receiver{nullptr};
HANDLE finished = nullptr;

// Windows ends the process as soon as the handler returns from a close, log-off or
// shutdown event: the handler waits, within the system's own grace of 5 s, until the UI
// thread has closed the port and the program's objects are gone.
constexpr DWORD kGraceMs = 4500;

BOOL WINAPI onConsoleEvent(DWORD event)
{
    StopRequests *target = receiver.load();
    if (!target)
        return FALSE;
    QMetaObject::invokeMethod(target, "deliver", Qt::QueuedConnection);
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
        WaitForSingleObject(finished, kGraceMs);
    return TRUE;
}

}  // namespace

class StopRequests::Platform {};

StopRequests::StopRequests(QObject *parent) : QObject(parent), platform_(std::make_unique<Platform>())
{
    finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    receiver.store(this);
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

// Declared first in main, so this runs once everything else has closed.
StopRequests::~StopRequests()
{
    receiver.store(nullptr);
    SetEvent(finished);
}

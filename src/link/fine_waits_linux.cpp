#include "link/fine_waits.h"

#include <QThread>

#include <sys/prctl.h>

// The kernel lets a sleep overrun by the thread's timer slack (50 us by default); with one
// 2 ms wait per byte that alone adds seconds to a terminal upload.
void requestFineWaits()
{
    prctl(PR_SET_TIMERSLACK, 1UL);
}

// Zero gives the thread its default slack back.
void endFineWaits()
{
    prctl(PR_SET_TIMERSLACK, 0UL);
}

void fineSleep(std::chrono::milliseconds ms)
{
    QThread::msleep(static_cast<unsigned long>(ms.count()));
}

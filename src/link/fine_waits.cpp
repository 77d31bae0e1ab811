#include "link/fine_waits.h"

FineWaits::~FineWaits()
{
    release();
}

void FineWaits::hold()
{
    if (held_)
        return;
    requestFineWaits();
    held_ = true;
}

void FineWaits::sleep(std::chrono::milliseconds ms)
{
    fineSleep(ms);
}

void FineWaits::release()
{
    if (!held_)
        return;
    endFineWaits();
    held_ = false;
}

#include "ports/latency_timer.h"

bool setLatencyTimer(const LatencyRequest &)
{
    return false;
}

#include "ports/elevated_fix.h"

bool latencyFixOffered()
{
    return false;
}

bool runLatencyFix(const QString &, quintptr)
{
    return false;
}

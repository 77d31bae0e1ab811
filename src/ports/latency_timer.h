#pragma once

#include "ports/latency_request.h"

// Writes the request's latency timer where the adapter's driver reads it when the adapter
// is plugged in. True when written; false where no adapter is known by that port name, the
// write was refused, or the platform keeps the timer elsewhere (Linux: sysfs, and the
// serial port's low-latency flag already shortens it).
bool setLatencyTimer(const LatencyRequest &request);

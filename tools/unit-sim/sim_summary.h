#pragma once

#include "transfer_log.h"

#include <QStringList>

// The report printed when the simulated unit ends: every transfer, decoded.
QStringList summaryLines(const TransferLog &log);

#pragma once

#include "config/tanimlamalar.h"

#include <QDateTime>

#include <array>
#include <cstdint>

// Six clock register writes (start, register, value, end) setting the chip to the given
// moment: elements 0..23; element 24 stays 0 and is never sent.
std::array<uint8_t, kDateTimeFrameSize> buildDateTimeFrame(const QDateTime &moment, int16_t clockChip);

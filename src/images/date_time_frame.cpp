#include "images/date_time_frame.h"

namespace {

constexpr uint8_t kRecordStartByte = 0xB4;
constexpr uint8_t kRecordEndByte = 0xBE;
constexpr int kClockRecordSize = 4;

struct RegisterWrite {
    uint8_t address;
    uint8_t value;
};

using ClockWrites = std::array<RegisterWrite, 6>;

// Tens digit in the high nibble, units in the low one.
uint8_t bcd(int value)
{
    return static_cast<uint8_t>((value / 10) % 10 * 16 + value % 10);
}

struct ClockFields {
    int seconds, minutes, hours, day, month, yearInCentury;
};

ClockFields fieldsOf(const QDateTime &moment)
{
    const QTime time = moment.time();
    const QDate date = moment.date();
    // The last two digits of the four-digit year.
    const int year = ((date.year() % 100) + 100) % 100;
    return {time.second(), time.minute(), time.hour(), date.day(), date.month(), year};
}

ClockWrites ds1307Writes(const ClockFields &f)
{
    return {{{0x00, bcd(f.seconds)},
             {0x01, bcd(f.minutes)},
             {0x02, bcd(f.hours)},
             {0x04, bcd(f.day)},
             {0x05, bcd(f.month)},
             {0x06, bcd(f.yearInCentury)}}};
}

// The PCF8583 keeps only the year within a leap cycle (bits 7..6 of its year/date
// register); the cycle count goes to the chip's first free RAM byte.
ClockWrites pcf8583Writes(const ClockFields &f)
{
    const int yearInCycle = f.yearInCentury % 4;
    const int cycles = f.yearInCentury / 4;
    return {{{0x02, bcd(f.seconds)},
             {0x03, bcd(f.minutes)},
             {0x04, bcd(f.hours)},
             {0x05, static_cast<uint8_t>(yearInCycle * 64 + bcd(f.day))},
             {0x06, bcd(f.month)},
             {0x10, static_cast<uint8_t>(cycles)}}};
}

}  // namespace

std::array<uint8_t, kDateTimeFrameSize> buildDateTimeFrame(const QDateTime &moment, int16_t clockChip)
{
    const ClockFields fields = fieldsOf(moment);
    const ClockWrites writes = clockChip == kClockChipPcf8583 ? pcf8583Writes(fields) : ds1307Writes(fields);
    std::array<uint8_t, kDateTimeFrameSize> frame{};
    size_t at = 0;
    for (const RegisterWrite &write : writes) {
        frame[at] = kRecordStartByte;
        frame[at + 1] = write.address;
        frame[at + 2] = write.value;
        frame[at + 3] = kRecordEndByte;
        at += kClockRecordSize;
    }
    return frame;
}

#pragma once

#include <QString>

#include <optional>

// Faults the simulated unit can play, counted per transfer from the first byte after
// the start byte (index 0).
struct FaultOptions {
    std::optional<int> wrongEchoAt;  // this byte is answered with its bits inverted
    std::optional<int> doubleAt;     // this byte is echoed twice
    std::optional<int> silentAfter;  // bytes from this index on get no answer
    std::optional<int> hangUpAfter;  // the line is dropped when this byte arrives
    bool splitStartAnswer = false;   // the start byte is answered with two bytes, lateGapMs apart
    std::optional<int> strayAt;      // this byte's echo is followed by a stray byte, lateGapMs later
    double lateGapMs = 1;
    double echoDelayMs = 0;  // every answer held this long (an adapter's latency timer)
};

struct SimOptions {
    QString linkPath;    // symlink to create for the device, e.g. <settings>/ports/com1
    QString recordPath;  // file that receives every raw byte
    bool pace = false;   // behave like a real 9600 baud line
    FaultOptions faults;
};

// Parses the command line; prints usage and exits on --help or a bad option.
SimOptions parseSimOptions(const QStringList &arguments);

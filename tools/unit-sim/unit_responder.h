#pragma once

#include "sim_options.h"

#include <QByteArray>

#include <cstdint>

// What the unit sends back for one received byte.
struct UnitAnswer {
    QByteArray bytes;
    bool hangUp = false;  // drop the line instead of answering
    QByteArray late;      // sent the late gap after the answer, as a second piece
};

// The unit's side of the protocol: one byte of any value for the start byte, the echo
// for every further byte, unless a fault option says otherwise.
class UnitResponder {
public:
    // Deliberately not the start byte itself: the tool must not compare this answer.
    static constexpr uint8_t kStartAnswer = 0x55;

    explicit UnitResponder(const FaultOptions &faults) : faults_(faults) {}

    // index: -1 for the start byte, else the byte's position after it.
    UnitAnswer answer(uint8_t byte, int index) const;

private:
    FaultOptions faults_;
};

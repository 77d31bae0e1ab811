#pragma once

#include <QtGlobal>

#include <array>

// How long the unit's answers take during a transfer: from a byte written to its answer
// handled. At 9600 baud a byte and its echo cross the line in about 2.1 ms, and the engine
// waits 2 ms before it reads; a USB adapter that holds every received byte for its latency
// timer (16 ms on FTDI adapters) makes each round trip several times longer.
class RoundTrips {
public:
    // The median above which the line counts as slow.
    static constexpr double kSlowMedianMs = 8.0;
    static constexpr int kWindow = 100;

    void startTransfer();
    void written(qint64 atNs);
    // Notes the answer to the last byte written. True once a transfer: when the median of the
    // last kWindow round trips first goes above kSlowMedianMs.
    bool answered(qint64 atNs);

    double medianMs() const;
    // The mean of all the transfer's round trips; 0 before the first.
    double meanMs() const;

private:
    std::array<float, kWindow> lastMs_{};
    qint64 count_ = 0;
    double totalMs_ = 0;
    qint64 writtenAtNs_ = -1;
    bool reported_ = false;
};

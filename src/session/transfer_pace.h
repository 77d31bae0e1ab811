#pragma once

#include <QtGlobal>

#include <deque>
#include <optional>

// The time a transfer has left, from the rate of its last few seconds: a slow adapter, a
// box that held the line or a unit that paused shows in it at once and is forgotten soon.
class TransferPace {
public:
    // The transfer started at `ms` (any steady clock in milliseconds).
    void start(qint64 ms);
    // `sent` bytes are out at `ms`.
    void note(qint64 ms, int sent);
    // Seconds until `total` at the recent rate; none in the first two seconds, or while
    // nothing moves.
    std::optional<qint64> secondsLeft(int total) const;

private:
    struct Sample {
        qint64 ms;
        int sent;
    };
    qint64 startMs_ = 0;
    std::deque<Sample> recent_;
};

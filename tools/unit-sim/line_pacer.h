#pragma once

#include <chrono>

// Holds each answer back as long as a real 9600 baud line would: 10 bits per byte
// (start, 8 data, stop) on the way in and again on the way back.
class LinePacer {
public:
    using Clock = std::chrono::steady_clock;

    explicit LinePacer(bool enabled);

    // Waits until the byte read at receivedAt has crossed the line and an answer of
    // answerBytes bytes has crossed back.
    void awaitAnswerTime(Clock::time_point receivedAt, int answerBytes);

private:
    bool enabled_;
    Clock::time_point inboundFreeAt_{};
    Clock::time_point outboundFreeAt_{};
};

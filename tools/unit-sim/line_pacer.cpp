#include "line_pacer.h"

#include <algorithm>
#include <thread>

namespace {

constexpr int kBitsPerByte = 10;
constexpr int kBaud = 9600;
constexpr std::chrono::nanoseconds kByteTime{std::chrono::nanoseconds(std::chrono::seconds(1)).count() * kBitsPerByte /
                                             kBaud};
// Waking from a sleep takes up to about 0.1 ms, a tenth of a byte's time: the last stretch
// before an answer is due is spent spinning, so the answer leaves on time.
constexpr std::chrono::microseconds kSpinBeforeAnswer{150};

}  // namespace

LinePacer::LinePacer(bool enabled) : enabled_(enabled)
{
}

void LinePacer::awaitAnswerTime(Clock::time_point receivedAt, int answerBytes)
{
    if (!enabled_)
        return;
    const Clock::time_point arrived = std::max(receivedAt, inboundFreeAt_) + kByteTime;
    inboundFreeAt_ = arrived;
    if (answerBytes == 0)
        return;
    outboundFreeAt_ = std::max(arrived, outboundFreeAt_) + kByteTime * answerBytes;
    std::this_thread::sleep_until(outboundFreeAt_ - kSpinBeforeAnswer);
    while (Clock::now() < outboundFreeAt_) {
    }
}

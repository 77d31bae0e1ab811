#include "session/transfer_pace.h"

#include <cmath>

namespace {

constexpr qint64 kFirstEstimateMs = 2000;
constexpr qint64 kRateWindowMs = 5000;
constexpr double kMsPerSecond = 1000;

}  // namespace

void TransferPace::start(qint64 ms)
{
    startMs_ = ms;
    recent_.clear();
    recent_.push_back({ms, 0});
}

void TransferPace::note(qint64 ms, int sent)
{
    recent_.push_back({ms, sent});
    // The oldest sample kept is the last one at or before the window's start.
    while (recent_.size() > 2 && recent_[1].ms <= ms - kRateWindowMs)
        recent_.pop_front();
}

std::optional<qint64> TransferPace::secondsLeft(int total) const
{
    if (recent_.size() < 2)
        return std::nullopt;
    const Sample &first = recent_.front();
    const Sample &last = recent_.back();
    if (last.ms - startMs_ < kFirstEstimateMs || last.sent <= first.sent || last.ms <= first.ms)
        return std::nullopt;
    const double bytesPerMs = static_cast<double>(last.sent - first.sent) / static_cast<double>(last.ms - first.ms);
    return std::llround((total - last.sent) / bytesPerMs / kMsPerSecond);
}

#include "link/round_trips.h"

#include <algorithm>

namespace {

constexpr double kNsPerMs = 1e6;

}  // namespace

void RoundTrips::startTransfer()
{
    *this = RoundTrips();
}

void RoundTrips::written(qint64 atNs)
{
    writtenAtNs_ = atNs;
}

bool RoundTrips::answered(qint64 atNs)
{
    if (writtenAtNs_ < 0)
        return false;
    const double ms = double(atNs - writtenAtNs_) / kNsPerMs;
    writtenAtNs_ = -1;
    lastMs_.at(std::size_t(count_ % kWindow)) = float(ms);
    ++count_;
    totalMs_ += ms;
    if (reported_ || count_ < kWindow || medianMs() <= kSlowMedianMs)
        return false;
    reported_ = true;
    return true;
}

double RoundTrips::medianMs() const
{
    const auto used = std::size_t(std::min<qint64>(count_, kWindow));
    if (used == 0)
        return 0;
    std::array<float, kWindow> sorted = lastMs_;
    auto *const middle = sorted.begin() + used / 2;
    std::nth_element(sorted.begin(), middle, sorted.begin() + used);
    return *middle;
}

double RoundTrips::meanMs() const
{
    return count_ > 0 ? totalMs_ / double(count_) : 0;
}

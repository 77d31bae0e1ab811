#include "app/latency_command.h"

#include "ports/latency_request.h"
#include "ports/latency_timer.h"

namespace {

constexpr int kWritten = 0;
constexpr int kNotWritten = 1;
constexpr int kRefused = 2;

}  // namespace

std::optional<int> setLatencyIfAsked(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!asksForLatency(arguments))
        return std::nullopt;
    const std::optional<LatencyRequest> request = parseLatencyRequest(arguments);
    if (!request)
        return kRefused;
    return setLatencyTimer(*request) ? kWritten : kNotWritten;
}

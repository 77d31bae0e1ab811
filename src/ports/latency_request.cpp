#include "ports/latency_request.h"

#include <algorithm>

namespace {

constexpr int kHighestPort = 256;
constexpr int kHighestLatencyMs = 16;
const QString kPortPrefix = QStringLiteral("COM");

// Plain ASCII digits only: QString::toInt would also take a sign, spaces or other scripts'
// digits, and none of those belongs on an elevated command line.
std::optional<int> plainNumber(QStringView text, int highest)
{
    if (text.isEmpty() || text.size() > 3 || text.front() == QLatin1Char('0'))
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    if (value > highest)
        return std::nullopt;
    return value;
}

}  // namespace

bool asksForLatency(const QStringList &arguments)
{
    const QStringList options = arguments.mid(1);
    return std::any_of(options.cbegin(), options.cend(), [](const QString &argument) {
        return argument == kSetLatencyOption || argument.startsWith(kSetLatencyOption + QLatin1Char('='));
    });
}

std::optional<LatencyRequest> parseLatencyRequest(const QStringList &arguments)
{
    if (arguments.size() != 4 || arguments[1] != kSetLatencyOption)
        return std::nullopt;
    const QString &port = arguments[2];
    if (!port.startsWith(kPortPrefix, Qt::CaseInsensitive))
        return std::nullopt;
    const std::optional<int> number = plainNumber(QStringView(port).mid(kPortPrefix.size()), kHighestPort);
    const std::optional<int> milliseconds = plainNumber(arguments[3], kHighestLatencyMs);
    if (!number || !milliseconds)
        return std::nullopt;
    return LatencyRequest{kPortPrefix + QString::number(*number), *milliseconds};
}

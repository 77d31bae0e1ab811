#include "ports/port_names.h"

#include "config/number_conversions.h"

std::optional<int> comPortNumber(const QString &portText)
{
    const std::optional<int16_t> number = ToInt16(ParseNumber(portText));
    if (!number || *number < 1)
        return std::nullopt;
    return *number;
}

#include "ports/port_mapping.h"

#include "ports/port_choice.h"
#include "ports/port_messages.h"

#include <QFileInfo>
#include <QRegularExpression>

// Windows names a port by its COM number: choosing one sets the COM port text.
MappingPlan planMapping(const PortDescription &port, const QString &, const QString &)
{
    static const QRegularExpression comName(QStringLiteral("^COM([0-9]+)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comName.match(port.device);
    const std::optional<int> number = match.hasMatch() ? pickerPortNumber(match.captured(1)) : std::nullopt;
    if (!number)
        return {std::nullopt, pickedPortNotNumberedMessage(port.device)};
    return {PortMapping{{}, port.device, QString::number(*number)}, {}};
}

MappingOutcome applyMapping(const PortMapping &)
{
    return {true, {}};
}

#include "cli/send_port.h"

#include "cli/send_texts.h"
#include "link/link_messages.h"
#include "ports/port_names.h"

SendPort sendPortFor(const QString &givenDevice, const QString &comPortText)
{
    if (!givenDevice.isEmpty())
        return {givenDeviceName(givenDevice), givenDevice};
    const std::optional<int> number = comPortNumber(comPortText);
    return {number ? comPortDeviceName(*number) : QString(), comPortText};
}

PortOpening openChosenPort(UnitSession &session, const SendPort &port)
{
    if (port.device.isEmpty())
        return {PortOpening::Result::NotFound, portMissingReason()};
    return session.openDevice(port.device, port.portText);
}

QString portFaultMessage(const SendPort &port, const PortOpening &opening)
{
    QString text = opening.result == PortOpening::Result::InUse ? portInUseMessage(port.portText)
                                                                : portNotOpenMessage(port.portText, opening.reason);
    if (!port.device.isEmpty() && port.device != port.portText)
        text += QLatin1Char('\n') + sendTexts::deviceLine(port.device);
    if (opening.result == PortOpening::Result::NoPermission)
        text += QLatin1Char('\n') + sendTexts::dialoutHint();
    return text;
}

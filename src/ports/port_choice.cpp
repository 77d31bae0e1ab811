#include "ports/port_choice.h"

#include "ports/port_names.h"

#include <QFileInfo>

namespace {

// COM n may name a port by its device or by a stable name that leads to it.
bool sameDevice(const PortDescription &port, const QString &device)
{
    if (device.isEmpty())
        return false;
    if (device == port.device || device == port.byIdName)
        return true;
    const QString resolved = QFileInfo(device).canonicalFilePath();
    return !resolved.isEmpty() && resolved == QFileInfo(port.device).canonicalFilePath();
}

}  // namespace

CurrentMapping currentMapping(const QString &portText)
{
    const std::optional<int> number = comPortNumber(portText);
    if (!number)
        return {};
    return {QStringLiteral("COM%1").arg(*number), comPortDeviceName(*number)};
}

QList<PortRow> portRows(const QList<PortDescription> &ports, const std::function<PortAccess(const QString &)> &probe,
                        const CurrentMapping &current)
{
    QList<PortRow> rows;
    for (const PortDescription &port : ports)
        rows.append({port, probe(port.device), sameDevice(port, current.device) ? current.name : QString()});
    return rows;
}

std::optional<int> pickerPortNumber(const QString &portText)
{
    const std::optional<int> number = comPortNumber(portText);
    if (!number || *number > kHighestPickerPort)
        return std::nullopt;
    return number;
}

#include "port_listing.h"

namespace {

// udev's stable names for serial adapters.
const QString kByIdFolder = QStringLiteral("/dev/serial/by-id");

}  // namespace

PortDescription describePort(const QSerialPortInfo &info)
{
    return {info.systemLocation(), info.description(), info.manufacturer(), info.serialNumber(),
            byIdName(info.systemLocation(), kByIdFolder)};
}

bool portsHaveStableNames()
{
    return true;
}

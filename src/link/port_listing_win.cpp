#include "port_listing.h"

// Windows names a port COM3 where the system's own location is \\.\COM3: the COM number
// is what the operator types, and the only name a port has.
PortDescription describePort(const QSerialPortInfo &info)
{
    return {info.portName(), info.description(), info.manufacturer(), info.serialNumber(), {}};
}

bool portsHaveStableNames()
{
    return false;
}

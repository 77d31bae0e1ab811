#include "ports/port_listing.h"

#include <QSettings>

namespace {

// Where Windows keeps the settings of FTDI's driver for each adapter it has seen.
const QString kFtdiDevices = QStringLiteral("HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\FTDIBUS");

}  // namespace

// Windows names a port COM3 where the system's own location is \\.\COM3: the COM number
// is what the operator types, and the only name a port has.
PortDescription describePort(const QSerialPortInfo &info)
{
    return {info.portName(),
            info.description(),
            info.manufacturer(),
            info.serialNumber(),
            {},
            info.hasVendorIdentifier() ? chipMakerOf(info.vendorIdentifier()) : QString(),
            latencyTimerOf(info.portName())};
}

// Readable without administrator rights: FTDIBUS\<device>\<instance>\Device Parameters
// holds the port's PortName and its LatencyTimer.
int latencyTimerOf(const QString &device, const QString &)
{
    QSettings devices(kFtdiDevices, QSettings::NativeFormat);
    for (const QString &adapter : devices.childGroups()) {
        devices.beginGroup(adapter);
        for (const QString &instance : devices.childGroups()) {
            const QString parameters = instance + QStringLiteral("/Device Parameters/");
            if (devices.value(parameters + QStringLiteral("PortName"))
                    .toString()
                    .compare(device, Qt::CaseInsensitive) == 0) {
                bool ok = false;
                const int ms = devices.value(parameters + QStringLiteral("LatencyTimer")).toInt(&ok);
                return ok ? ms : -1;
            }
        }
        devices.endGroup();
    }
    return -1;
}

bool portsHaveStableNames()
{
    return false;
}

#pragma once

#include <QList>
#include <QSerialPortInfo>
#include <QString>

// The machine's serial ports as an installer looks for the adapter: what each is and, on
// Linux, the name under /dev/serial/by-id that stays with the adapter whichever socket it is in.
struct PortDescription {
    QString device;  // /dev/ttyUSB0, COM3
    QString description;
    QString manufacturer;
    QString serialNumber;
    QString byIdName;         // empty where there is none
    QString chipMaker = {};   // of the USB adapter's chip, where known: "FTDI", "Prolific"...
    int latencyTimerMs = -1;  // an FTDI adapter's latency timer; -1 where none is known
};

// Above this an adapter holds the unit's echoes long enough to slow an upload down.
constexpr int kHighestFineLatencyMs = 2;

// The maker of a USB serial chip by its USB vendor number; empty for one not known here.
QString chipMakerOf(quint16 vendorId);

// Each platform's part: the latency timer the driver of an FTDI adapter uses for the port,
// in milliseconds; -1 where the port has none or it cannot be read. Linux reads it under
// `sysfs` (/sys/bus/usb-serial/devices/ttyUSBn/latency_timer), Windows from the driver's
// registry key (HKLM\SYSTEM\CurrentControlSet\Enum\FTDIBUS\...\Device Parameters).
int latencyTimerOf(const QString &device, const QString &sysfs = QStringLiteral("/sys/bus/usb-serial/devices"));

// The picker's text for an adapter's chip and latency: "FTDI, 16 ms gecikme", with the
// way to shorten it when it is above kHighestFineLatencyMs.
QString adapterText(const PortDescription &port);

// The ports the system reports now, in the order of their device names.
QList<PortDescription> availablePortDescriptions();

// The path of the first link in folder (in name order) that leads to device; empty when none does.
QString byIdName(const QString &device, const QString &folder);

// Each platform's part: a port as the operator names it (/dev/ttyUSB0 with its by-id name on
// Linux, COM3 on Windows), and whether the platform has such stable names at all.
PortDescription describePort(const QSerialPortInfo &info);
bool portsHaveStableNames();

// One line of a listing: the fields, tab-separated, "-" for an unknown one (the by-id name
// only where there are such names).
QString portListingLine(const PortDescription &port);

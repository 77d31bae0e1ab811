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
    QString byIdName;  // empty where there is none
};

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

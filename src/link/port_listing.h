#pragma once

#include <QList>
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

// One line of a listing: the five fields, tab-separated, "-" for an unknown one.
QString portListingLine(const PortDescription &port);

#pragma once

#include "ports/port_access.h"
#include "ports/port_listing.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// What the port picker shows; no widgets, so the window's picker and bilvex-send share it.

struct PortRow {
    PortDescription port;
    PortAccess access = PortAccess::Available;
    QString mappedAs;  // "COM1" when the window's COM n names this port today, else empty
};

// The port COM n names today: its number's name ("COM1") and the device it maps to.
struct CurrentMapping {
    QString name;
    QString device;
};

// What COM n of the port text names today; empty when the text gives no number.
CurrentMapping currentMapping(const QString &portText);

// One row per port, in the order given. `probe` tells a port's access; a by-id name or a
// link counts for the port it leads to.
QList<PortRow> portRows(const QList<PortDescription> &ports, const std::function<PortAccess(const QString &)> &probe,
                        const CurrentMapping &current);

// The COM numbers the picker maps: 1..255.
constexpr int kHighestPickerPort = 255;
std::optional<int> pickerPortNumber(const QString &portText);

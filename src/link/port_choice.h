#pragma once

#include "port_listing.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// What the port picker shows and what choosing a port changes; no widgets, so the window's
// picker and bilvex-send share it.

// Whether this user can open a port now; Failed for any other refusal of the system.
enum class PortAccess { Available, InUse, NoPermission, Failed };

// "kullanılabilir", "kullanımda", "erişim izni yok — kullanıcıyı dialout grubuna ekleyin"
QString portAccessText(PortAccess access);

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

// Each platform's part. Tells a port's access without opening it: an open raises DTR and
// RTS, which resets or disturbs many devices. Linux tells "in use" from the lock files
// Qt's serial port leaves and the access from the device's permissions; Windows can tell
// only by opening, so there the access is not known and not shown.
PortAccess probePortAccess(const QString &device);
bool portAccessIsKnown();

// What COM n of the port text names today; empty when the text gives no number.
CurrentMapping currentMapping(const QString &portText);

// One row per port, in the order given. `probe` tells a port's access; a by-id name or a
// link counts for the port it leads to.
QList<PortRow> portRows(const QList<PortDescription> &ports, const std::function<PortAccess(const QString &)> &probe,
                        const CurrentMapping &current);

// The COM numbers the picker maps: 1..255.
constexpr int kHighestPickerPort = 255;
std::optional<int> pickerPortNumber(const QString &portText);

// What choosing a port as COM n changes: on Linux the link ports/comN beside the settings
// file, on Windows the COM port text.
struct PortMapping {
    QString linkPath;  // empty on Windows
    QString target;    // the port's stable by-id name, else its device
    QString portText;  // Text4 afterwards
};

// The change for choosing `port` while Text4 holds `portText`; the operator's message
// instead when there is nothing sound to change.
struct MappingPlan {
    std::optional<PortMapping> mapping;
    QString refusal;
};
MappingPlan planMapping(const PortDescription &port, const QString &portText, const QString &portsFolder);

// What making the change did: whether it was made (when not, nothing was changed), and the
// operator's message (why not, or what was tidied up on the way); empty when none.
struct MappingOutcome {
    bool applied = false;
    QString message;
};
MappingOutcome applyMapping(const PortMapping &mapping);

// The picker's words for the operator.
QString pickerNeedsPortNumberMessage();
QString pickedPortGoneMessage(const QString &device);
// A chosen port the COM port box cannot name (not COM1..COM255).
QString pickedPortNotNumberedMessage(const QString &device);
QString portsFolderNotFolderMessage(const QString &folder);
QString portLinkNotLinkMessage(const QString &link);
QString portLinkFailedMessage(const QString &link, const QString &reason);
QString staleNewLinkRemovedMessage(const QString &link);
QString noPortsMessage();

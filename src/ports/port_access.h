#pragma once

#include <QString>

// Whether this user can open a port now; Failed for any other refusal of the system.
enum class PortAccess { Available, InUse, NoPermission, Failed };

// Each platform's part. Tells a port's access without opening it: an open raises DTR and
// RTS, which resets or disturbs many devices. Linux tells "in use" from the lock files
// Qt's serial port leaves and the access from the device's permissions; Windows can tell
// only by opening, so there the access is not known and not shown.
PortAccess probePortAccess(const QString &device);
bool portAccessIsKnown();

#pragma once

#include "ports/port_access.h"

#include <QStringList>

// The Linux port access with its inputs given: the names a program may have opened the port
// by (beside the device and its resolved node) and the lock folders to look in.
PortAccess portAccessFrom(const QString &device, const QStringList &namesOpenedBy, const QStringList &folders);

// A lock file for the device whose program has ended but which belongs to a user other than
// `user`: in a sticky lock folder (/run/lock) neither Qt nor this user may remove it, and
// the port stays refused until someone with the right does. Empty when there is none.
QString lockLeftByOtherUser(const QString &device, const QStringList &namesOpenedBy, const QStringList &folders,
                            uint user);
// The same in the machine's lock folders, for this process's user.
QString lockLeftByOtherUser(const QString &device);

#pragma once

#include "port_choice.h"

#include <QStringList>

// The Linux port access with its inputs given: the names a program may have opened the port
// by (beside the device and its resolved node) and the lock folders to look in.
PortAccess portAccessFrom(const QString &device, const QStringList &namesOpenedBy, const QStringList &folders);

#pragma once

#include "ports/port_access.h"

#include <QString>

// The words of the port picker and of choosing a port, for the operator.

// "kullanılabilir", "kullanımda", "erişim izni yok — kullanıcıyı dialout grubuna ekleyin"
QString portAccessText(PortAccess access);

QString pickerNeedsPortNumberMessage();
QString pickedPortGoneMessage(const QString &device);
// A chosen port the COM port box cannot name (not COM1..COM255).
QString pickedPortNotNumberedMessage(const QString &device);
QString portsFolderNotFolderMessage(const QString &folder);
QString portLinkNotLinkMessage(const QString &link);
QString portLinkFailedMessage(const QString &link, const QString &reason);
QString staleNewLinkRemovedMessage(const QString &link);
QString noPortsMessage();

// Each platform's way to set an adapter's latency timer (its file).
QString latencyTimerFix();
// The window's one-click fix: done, or the way to do it by hand.
QString latencyFixedMessage();
QString latencyNotFixedMessage();

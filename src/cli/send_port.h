#pragma once

#include "link/byte_link.h"
#include "session/unit_session.h"

#include <QString>

// Which device bilvex-send opens, and how the messages name the port.
struct SendPort {
    QString device;    // empty when the COM port text names no port
    QString portText;  // the COM port text as the window shows it, or the device given
};

// The device given on the command line, else the one the COM port text leads to, as in the window.
SendPort sendPortFor(const QString &givenDevice, const QString &comPortText);

// Opens the chosen port through the session; a COM port text that names no port is not found.
PortOpening openChosenPort(UnitSession &session, const SendPort &port);

// Why the port did not open, in the window's words, with the device a COM number led to
// and, for a missing permission, what to do about it.
QString portFaultMessage(const SendPort &port, const PortOpening &opening);

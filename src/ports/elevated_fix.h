#pragma once

#include <QString>

#include <QtGlobal>

// The window's one-click fix of a slow adapter: this program run again with administrator
// rights as bilvex-config --set-latency COMn 1.

// Whether this platform offers the fix. Linux does not: the serial port's low-latency flag
// already shortens the adapter's timer.
bool latencyFixOffered();

// Asks the operator for the rights once (the system's own prompt, owned by ownerWindow),
// runs the command for portName ("COM7") and waits for it. True when the timer was written;
// false when refused at the prompt, when the command failed, or where the fix is not offered.
bool runLatencyFix(const QString &portName, quintptr ownerWindow);

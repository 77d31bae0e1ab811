#pragma once

#include <QString>

#include <cstdint>

// The serial link's texts for the operator.

// "Yükleme Hatası! Gönderilen:' 170' Yüklenen:' 0'"
QString echoMismatchMessage(uint8_t sent, uint8_t received);

// Start-up found the port held by another program; the application then ends.
QString portInUseMessage(const QString &portText);

// A send found the port closed; the reason, when known, follows on a second line.
QString portNotOpenMessage(const QString &portText, const QString &reason);

// The device went away while the port was open.
QString portLostMessage(const QString &portText);

// The answers take msPerByte, far beyond the line's own time: the likely cause (an adapter's
// latency timer) and this platform's fix.
QString slowLineMessage(double msPerByte);
// The driver kept its low-latency mode off: echoes may wait for the adapter's timer.
QString lowLatencyRefusedMessage();

// Why the port could not be opened.
QString portMissingReason();
QString portPermissionReason();
// Names the lock file and the command that removes it.
QString portLockLeftBehindReason(const QString &lockFile);

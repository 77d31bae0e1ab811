#pragma once

#include "link/byte_link.h"

#include <QByteArray>
#include <QSerialPort>
#include <QString>

#include <cstdint>

// What the serial port asks of the operating system beyond Qt: each platform has its file.
namespace serialSystem {

// Asks the driver to pass every received byte on at once, where the driver can: whether it
// did (a pseudo-terminal, or Windows, offers no such mode).
PortOpening::LowLatency requestLowLatency(QSerialPort &port);

// False only when this user may not use the device at all (a missing permission, not a
// port held by another program).
bool mayUseDevice(const QString &device);

// A lock file for the device left by an ended program of a user whose files this user may
// not remove; empty when there is none (always on Windows, which keeps no lock files).
QString lockLeftBehind(const QString &device);

// Sends one byte on the open port, so that nothing waits in a buffer; false when it failed.
bool writeByte(QSerialPort &port, uint8_t byte);

// After the port opens: where Qt's own reads ahead could take an answer's late bytes out of
// the engine's reach during its wait, Qt is held back (on Windows); elsewhere nothing.
void keepLateBytesInReach(QSerialPort &port);

// Bytes the driver holds that Qt has not read yet.
qint64 bytesHeldBySystem(QSerialPort &port);
// The answer: what Qt holds, then what the driver holds, the bytes of an answer that came in
// pieces, the last while the engine waited. Qt's readyRead may be emitted meanwhile; the
// caller ignores it.
QByteArray readAnswer(QSerialPort &port);

// Whether the line is gone (an adapter unplugged), after Qt reported `reported`.
bool lineDropped(QSerialPort &port, QSerialPort::SerialPortError reported);
// After an error that did not lose the line: Qt reads on as before.
void resumeReading(QSerialPort &port);

}  // namespace serialSystem

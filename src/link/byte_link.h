#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The serial port as the transfer engine sees it; tests put a scripted unit behind it.
class ByteLink {
public:
    virtual ~ByteLink() = default;
    virtual bool isOpen() const = 0;
    virtual bool writeByte(uint8_t byte) = 0;
    // Every byte received and not yet read; empties the receive buffer.
    virtual QByteArray readAll() = 0;
    virtual qint64 bytesAvailable() = 0;
    // Why the port is not open, for the operator ("Port bulunamadı."); empty when unknown.
    virtual QString notOpenReason() const = 0;
    // The COM port text that start-up opened, or tried to open. The operator may have typed
    // another number since, which applies only at the next start; the port's messages name this one.
    virtual QString startupPortText() const = 0;
};

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
};

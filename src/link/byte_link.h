#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>

// How an attempt to open the port ended; the reason is in the operator's words.
struct PortOpening {
    // LockLeftBehind: refused for a lock file that an ended program of another user left.
    enum class Result { Opened, InUse, NotFound, NoPermission, LockLeftBehind, Failed };
    Result result = Result::NotFound;
    QString reason;  // empty when opened
    // Whether the driver passes each received byte on at once (Linux's low-latency mode).
    enum class LowLatency { NotOffered, Granted, Refused };
    LowLatency lowLatency = LowLatency::NotOffered;
};

// The serial port as the transfer engine sees it; tests put a scripted unit behind it.
class ByteLink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Opens the device at 9600,N,8,1 without flow control.
    virtual PortOpening openDevice(const QString &device) = 0;
    virtual bool isOpen() const = 0;
    virtual bool writeByte(uint8_t byte) = 0;
    // Every byte received and not yet read; empties the receive buffer.
    virtual QByteArray readAll() = 0;
    virtual qint64 bytesAvailable() = 0;
    // Why the port is not open, for the operator ("Port bulunamadı."); empty when unknown.
    virtual QString notOpenReason() const = 0;

signals:
    void dataReceived();  // every arrival of bytes
    void portLost();      // the device went away (adapter unplugged); the port is closed
};

#pragma once

#include "link/byte_link.h"

#include <QSerialPort>

// The port MSComm1: opened once at start-up at 9600,N,8,1 without flow control.
class SerialPort : public ByteLink {
    Q_OBJECT
public:
    explicit SerialPort(QObject *parent = nullptr);
    ~SerialPort() override;
    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;

    // A failure is remembered for notOpenReason().
    PortOpening openDevice(const QString &device) override;
    bool isOpen() const override;
    bool writeByte(uint8_t byte) override;
    QByteArray readAll() override;
    qint64 bytesAvailable() override;
    QString notOpenReason() const override;

private:
    PortOpening openFailure(const QString &device);
    void onError(QSerialPort::SerialPortError error);
    void onLineDropped();

    QSerialPort *port_;
    QString notOpenReason_;
    bool lost_ = false;  // the device went away; reported once
    bool handlingError_ = false;
    bool takingLateBytes_ = false;
    QByteArray cameWhileIdle_;  // taken from Qt before a write, for the next answer
};

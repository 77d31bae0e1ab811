#pragma once

#include "byte_link.h"
#include "settings_file.h"

#include <QObject>
#include <QSerialPort>

// The port MSComm1: opened once at start-up at 9600,N,8,1 without flow control.
class SerialPort : public QObject, public ByteLink {
    Q_OBJECT
public:
    explicit SerialPort(QObject *parent = nullptr);
    ~SerialPort() override;
    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;

    // Opens the port named by the COM port text. A port held by another program shows
    // "<text> Numaralı Com Port açık. Tekrar deneyiniz." and returns EndApplication;
    // any other failure is silent and remembered for notOpenReason().
    StartDecision openAtStartup(const QString &portText, OperatorDialogs &dialogs);

    bool isOpen() const override;
    bool writeByte(uint8_t byte) override;
    QByteArray readAll() override;
    qint64 bytesAvailable() override;
    QString notOpenReason() const override;
    QString startupPortText() const override;

signals:
    void dataReceived();  // every arrival of bytes
    void portLost();      // the device went away (adapter unplugged); the port is closed

private:
    bool rememberOpenFailure(const QString &device);
    void onError(QSerialPort::SerialPortError error);
    void onLineDropped();
    bool lineDropped(QSerialPort::SerialPortError reported) const;
    qint64 bytesHeldBySystem() const;
    QByteArray readHeldBySystem(qint64 count);

    QSerialPort *port_;
    QString notOpenReason_;
    QString startupPortText_;
    bool lost_ = false;  // the device went away; reported once
};

#include "serial_port_system.h"

// Windows' serial driver has no low-latency switch, and Qt reads everything the driver
// holds: what is left to the system here is Qt's own behaviour.
namespace serialSystem {

void requestLowLatency(QSerialPort &)
{
}

bool mayUseDevice(const QString &)
{
    return true;
}

QString lockLeftBehind(const QString &)
{
    return {};
}

bool writeByte(QSerialPort &port, uint8_t byte)
{
    const char data = char(byte);
    return port.write(&data, 1) == 1 && port.flush();
}

qint64 bytesHeldBySystem(QSerialPort &)
{
    return 0;
}

QByteArray readHeldBySystem(QSerialPort &, qint64)
{
    return {};
}

// Windows reports an unplugged adapter as a resource error.
bool lineDropped(QSerialPort &, QSerialPort::SerialPortError reported)
{
    return reported == QSerialPort::ResourceError;
}

}  // namespace serialSystem

#include "serial_port.h"

#include "link_messages.h"
#include "serial_port_system.h"

namespace {

constexpr qint32 kBaudRate = 9600;

}  // namespace

SerialPort::SerialPort(QObject *parent)
    : ByteLink(parent), port_(new QSerialPort(this)), notOpenReason_(portMissingReason())
{
    connect(port_, &QSerialPort::readyRead, this, &SerialPort::dataReceived);
    connect(port_, &QSerialPort::errorOccurred, this, &SerialPort::onError);
}

SerialPort::~SerialPort() = default;

PortOpening SerialPort::openDevice(const QString &device)
{
    port_->setPortName(device);
    port_->setBaudRate(kBaudRate);
    port_->setParity(QSerialPort::NoParity);
    port_->setDataBits(QSerialPort::Data8);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!port_->open(QIODevice::ReadWrite))
        return openFailure(device);
    serialSystem::requestLowLatency(*port_);
    // Nothing is asked of the unit before the start byte: whatever waits in the driver (an
    // echo that was on its way when an earlier program stopped) would be taken for its answer.
    port_->clear(QSerialPort::Input);
    notOpenReason_.clear();
    lost_ = false;
    return {PortOpening::Result::Opened, {}};
}

PortOpening SerialPort::openFailure(const QString &device)
{
    PortOpening opening{PortOpening::Result::Failed, port_->errorString()};
    switch (port_->error()) {
    case QSerialPort::PermissionError:
        if (!serialSystem::mayUseDevice(device))
            opening = {PortOpening::Result::NoPermission, portPermissionReason()};
        else if (const QString lock = serialSystem::lockLeftBehind(device); !lock.isEmpty())
            opening = {PortOpening::Result::LockLeftBehind, portLockLeftBehindReason(lock)};
        else
            opening.result = PortOpening::Result::InUse;
        break;
    case QSerialPort::DeviceNotFoundError:
        opening = {PortOpening::Result::NotFound, portMissingReason()};
        break;
    default:
        break;
    }
    port_->clearError();
    notOpenReason_ = opening.reason;
    return opening;
}

bool SerialPort::isOpen() const
{
    return port_->isOpen() && !lost_;
}

bool SerialPort::writeByte(uint8_t byte)
{
    if (!isOpen())
        return false;
    if (serialSystem::writeByte(*port_, byte))
        return true;
    if (serialSystem::lineDropped(*port_, QSerialPort::WriteError))
        onLineDropped();
    return false;
}

QByteArray SerialPort::readAll()
{
    if (!isOpen())
        return {};
    QByteArray data = port_->readAll();
    // Bytes the driver holds although Qt's notifier has gone quiet follow those Qt read.
    const qint64 held = serialSystem::bytesHeldBySystem(*port_);
    if (held > 0)
        data += serialSystem::readHeldBySystem(*port_, held);
    return data;
}

qint64 SerialPort::bytesAvailable()
{
    if (!isOpen())
        return 0;
    return port_->bytesAvailable() + serialSystem::bytesHeldBySystem(*port_);
}

QString SerialPort::notOpenReason() const
{
    return notOpenReason_;
}

// Qt (6.4) also reports a read that found no bytes as a resource or read error, and then
// may stop notifying; only a hung-up line means the device is gone.
void SerialPort::onError(QSerialPort::SerialPortError error)
{
    if (!port_->isOpen() || lost_)
        return;
    const bool lineError =
        error == QSerialPort::ResourceError || error == QSerialPort::ReadError || error == QSerialPort::WriteError;
    if (!lineError)
        return;
    port_->clearError();
    if (serialSystem::lineDropped(*port_, error)) {
        onLineDropped();
        return;
    }
    // Re-arms Qt's read notifier after a read that found nothing.
    port_->setReadBufferSize(0);
}

void SerialPort::onLineDropped()
{
    lost_ = true;
    notOpenReason_ = portMissingReason();
    // Closed once control is back in the event loop: Qt may still be inside its own notifier.
    QMetaObject::invokeMethod(
        this,
        [this] {
            port_->close();
            emit portLost();
        },
        Qt::QueuedConnection);
}

#include "link/serial_port.h"

#include "link/link_messages.h"
#include "link/serial_port_system.h"

namespace {

constexpr qint32 kBaudRate = 9600;

}  // namespace

SerialPort::SerialPort(QObject *parent)
    : ByteLink(parent), port_(new QSerialPort(this)), notOpenReason_(portMissingReason())
{
    connect(port_, &QSerialPort::readyRead, this, [this] {
        if (!takingLateBytes_)
            emit dataReceived();
    });
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
    const PortOpening::LowLatency lowLatency = serialSystem::requestLowLatency(*port_);
    serialSystem::keepLateBytesInReach(*port_);
    // Nothing is asked of the unit before the start byte: whatever waits in the driver (an
    // echo that was on its way when an earlier program stopped) would be taken for its answer.
    port_->clear(QSerialPort::Input);
    cameWhileIdle_.clear();
    notOpenReason_.clear();
    lost_ = false;
    return {PortOpening::Result::Opened, {}, lowLatency};
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
    // Bytes that came while no answer was awaited belong to the next answer, as they always
    // did; taken from Qt, they leave it room to read that answer.
    if (port_->bytesAvailable() > 0)
        cameWhileIdle_ += port_->readAll();
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
    // Bytes that came while the engine waited belong to this answer; their readyRead, if Qt
    // emits one meanwhile, is not a new answer.
    takingLateBytes_ = true;
    QByteArray data = cameWhileIdle_ + serialSystem::readAnswer(*port_);
    takingLateBytes_ = false;
    cameWhileIdle_.clear();
    return data;
}

qint64 SerialPort::bytesAvailable()
{
    if (!isOpen())
        return 0;
    return cameWhileIdle_.size() + port_->bytesAvailable() + serialSystem::bytesHeldBySystem(*port_);
}

QString SerialPort::notOpenReason() const
{
    return notOpenReason_;
}

// Each platform tells which errors mean the device is gone. The handler never runs inside
// itself: resuming may make Qt report again at once.
void SerialPort::onError(QSerialPort::SerialPortError error)
{
    if (!port_->isOpen() || lost_ || handlingError_ || error == QSerialPort::NoError ||
        error == QSerialPort::TimeoutError)
        return;
    handlingError_ = true;
    port_->clearError();
    if (serialSystem::lineDropped(*port_, error))
        onLineDropped();
    else if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError)
        serialSystem::resumeReading(*port_);
    handlingError_ = false;
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

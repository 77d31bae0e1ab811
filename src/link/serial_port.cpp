#include "serial_port.h"

#include "link_messages.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <linux/serial.h>
#endif

namespace {

constexpr qint32 kBaudRate = 9600;

// Without low-latency mode a USB-serial adapter holds every echo up to its latency timer
// (16 ms), which would stretch a terminal upload several times over. Ptys refuse; that is fine.
void requestLowLatency([[maybe_unused]] int fd)
{
#ifdef Q_OS_LINUX
    serial_struct info{};
    if (::ioctl(fd, TIOCGSERIAL, &info) != 0)
        return;
    info.flags |= ASYNC_LOW_LATENCY;
    ::ioctl(fd, TIOCSSERIAL, &info);
#endif
}

// Qt reports a port held by another program and a missing permission alike; only the
// latter leaves the device unreadable for us.
bool mayUseDevice([[maybe_unused]] const QString &device)
{
#ifdef Q_OS_UNIX
    return ::access(device.toLocal8Bit().constData(), R_OK | W_OK) == 0 || errno != EACCES;
#else
    return true;
#endif
}

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
    requestLowLatency(int(port_->handle()));
    notOpenReason_.clear();
    lost_ = false;
    return {PortOpening::Result::Opened, {}};
}

PortOpening SerialPort::openFailure(const QString &device)
{
    PortOpening opening{PortOpening::Result::Failed, port_->errorString()};
    switch (port_->error()) {
    case QSerialPort::PermissionError:
        if (!mayUseDevice(device))
            opening = {PortOpening::Result::NoPermission, portPermissionReason()};
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
#ifdef Q_OS_UNIX
    // Straight to the driver: one byte goes out per echo, so nothing waits in Qt's buffer.
    const char data = char(byte);
    ssize_t written = 0;
    do {
        written = ::write(int(port_->handle()), &data, 1);
    } while (written < 0 && errno == EINTR);
    if (written == 1)
        return true;
    if (lineDropped(QSerialPort::WriteError))
        onLineDropped();
    return false;
#else
    return port_->write(reinterpret_cast<const char *>(&byte), 1) == 1 && port_->flush();
#endif
}

QByteArray SerialPort::readAll()
{
    if (!isOpen())
        return {};
    QByteArray data = port_->readAll();
    // Bytes the driver holds although Qt's notifier has gone quiet follow those Qt read.
    const qint64 held = bytesHeldBySystem();
    if (held > 0)
        data += readHeldBySystem(held);
    return data;
}

qint64 SerialPort::bytesAvailable()
{
    if (!isOpen())
        return 0;
    return port_->bytesAvailable() + bytesHeldBySystem();
}

QString SerialPort::notOpenReason() const
{
    return notOpenReason_;
}

qint64 SerialPort::bytesHeldBySystem() const
{
#ifdef Q_OS_UNIX
    int count = 0;
    if (::ioctl(int(port_->handle()), FIONREAD, &count) == 0)
        return count;
#endif
    return 0;
}

QByteArray SerialPort::readHeldBySystem([[maybe_unused]] qint64 count)
{
#ifdef Q_OS_UNIX
    QByteArray data(count, Qt::Uninitialized);
    const ssize_t got = ::read(int(port_->handle()), data.data(), size_t(count));
    data.resize(got > 0 ? got : 0);
    return data;
#else
    return {};
#endif
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
    if (lineDropped(error)) {
        onLineDropped();
        return;
    }
    // Re-arms Qt's read notifier after a read that found nothing.
    port_->setReadBufferSize(0);
}

bool SerialPort::lineDropped([[maybe_unused]] QSerialPort::SerialPortError reported) const
{
#ifdef Q_OS_UNIX
    pollfd watched{int(port_->handle()), POLLIN, 0};
    return ::poll(&watched, 1, 0) > 0 && (watched.revents & (POLLHUP | POLLERR | POLLNVAL));
#else
    return reported == QSerialPort::ResourceError;
#endif
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

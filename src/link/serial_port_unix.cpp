#include "link/serial_port_system.h"

#include "ports/port_access_unix.h"

#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <linux/serial.h>
#endif

namespace {

int descriptorOf(QSerialPort &port)
{
    return static_cast<int>(port.handle());
}

}  // namespace

namespace serialSystem {

// Without low-latency mode a USB-serial adapter holds every echo up to its latency timer
// (16 ms), which would stretch a terminal upload several times over. Ptys refuse; that is fine.
PortOpening::LowLatency requestLowLatency([[maybe_unused]] QSerialPort &port)
{
#ifdef Q_OS_LINUX
    serial_struct info{};
    if (::ioctl(descriptorOf(port), TIOCGSERIAL, &info) != 0)
        return PortOpening::LowLatency::NotOffered;
    info.flags |= ASYNC_LOW_LATENCY;
    ::ioctl(descriptorOf(port), TIOCSSERIAL, &info);
    // Read back: some drivers take the call and keep their old flags.
    serial_struct now{};
    if (::ioctl(descriptorOf(port), TIOCGSERIAL, &now) == 0 && (now.flags & ASYNC_LOW_LATENCY))
        return PortOpening::LowLatency::Granted;
    return PortOpening::LowLatency::Refused;
#else
    return PortOpening::LowLatency::NotOffered;
#endif
}

// Qt reports a port held by another program and a missing permission alike.
bool mayUseDevice(const QString &device)
{
    return ::access(device.toLocal8Bit().constData(), R_OK | W_OK) == 0 || errno != EACCES;
}

QString lockLeftBehind(const QString &device)
{
    return lockLeftByOtherUser(device);
}

// Straight to the driver: one byte goes out per echo, so nothing waits in Qt's buffer.
bool writeByte(QSerialPort &port, uint8_t byte)
{
    const char data = char(byte);
    ssize_t written = 0;
    do {
        written = ::write(descriptorOf(port), &data, 1);
    } while (written < 0 && errno == EINTR);
    return written == 1;
}

qint64 bytesHeldBySystem(QSerialPort &port)
{
    int count = 0;
    if (::ioctl(descriptorOf(port), FIONREAD, &count) == 0)
        return count;
    return 0;
}

// Qt reads only when its notifier fires on this thread's event loop, which does not run
// during the engine's wait: the late bytes are still in the driver.
void keepLateBytesInReach(QSerialPort &)
{
}

// Qt's notifier and this read share one descriptor on this thread: straight from the driver
// is safe, and the bytes come after those Qt has read.
QByteArray readAnswer(QSerialPort &port)
{
    QByteArray answer = port.readAll();
    const qint64 count = bytesHeldBySystem(port);
    if (count <= 0)
        return answer;
    QByteArray data(count, Qt::Uninitialized);
    const ssize_t got = ::read(descriptorOf(port), data.data(), size_t(count));
    data.resize(got > 0 ? got : 0);
    return answer + data;
}

bool lineDropped(QSerialPort &port, QSerialPort::SerialPortError)
{
    pollfd watched{descriptorOf(port), POLLIN, 0};
    return ::poll(&watched, 1, 0) > 0 && (watched.revents & (POLLHUP | POLLERR | POLLNVAL));
}

// Qt (6.4) reports a read that found no bytes as an error and may then switch its read
// notifier off; setting the read buffer's size switches it on again.
void resumeReading(QSerialPort &port)
{
    port.setReadBufferSize(0);
}

}  // namespace serialSystem

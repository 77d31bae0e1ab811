#include "serial_port_system.h"

#include <QCoreApplication>

#include <windows.h>

namespace {

HANDLE handleOf(QSerialPort &port)
{
    return reinterpret_cast<HANDLE>(port.handle());
}

// Reads what the driver holds, past Qt. Qt's read timeouts (an interval of MAXDWORD) make a
// read return at once with what is there. The low bit of the event keeps the completion out
// of Qt's completion port, which would not know it.
QByteArray readFromDriver(QSerialPort &port, qint64 count)
{
    QByteArray data(count, Qt::Uninitialized);
    const HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!event)
        return {};
    OVERLAPPED overlapped{};
    overlapped.hEvent = reinterpret_cast<HANDLE>(reinterpret_cast<ULONG_PTR>(event) | 1);
    DWORD got = 0;
    if (!ReadFile(handleOf(port), data.data(), DWORD(count), &got, &overlapped) &&
        (GetLastError() != ERROR_IO_PENDING || !GetOverlappedResult(handleOf(port), &overlapped, &got, TRUE)))
        got = 0;
    CloseHandle(event);
    data.resize(got);
    return data;
}

// Qt's notifier of completed waits and reads: its completions reach it as posted events.
QObject *completionNotifierOf(QSerialPort &port)
{
    for (QObject *child : port.children()) {
        if (child->inherits("QWinOverlappedIoNotifier"))
            return child;
    }
    return nullptr;
}

}  // namespace

// Windows' serial driver has no low-latency switch: an FTDI adapter's latency timer is set
// in Device Manager.
namespace serialSystem {

PortOpening::LowLatency requestLowLatency(QSerialPort &)
{
    return PortOpening::LowLatency::NotOffered;
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

qint64 bytesHeldBySystem(QSerialPort &port)
{
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(handleOf(port), &errors, &status))
        return 0;
    return status.cbInQue;
}

// Qt learns of received bytes only from completions of its overlapped waits and reads, which
// reach it through the event loop, and the loop does not run during the engine's wait.
// Bytes still in the driver are read past Qt: Qt then has a wait pending, no read (its reads
// return at once), so no read of Qt's competes for them; its wait's completion later finds
// nothing to read. A read Qt completed during the wait (bytes that came just before) is then
// taken as the event loop would take it, by delivering only its notifier's posted
// completions; those bytes came first. (waitForReadyRead is no way: in Qt 6.4 its count of
// completions can run ahead of its queue, and it then reads past the queue's end.)
QByteArray readLateBytes(QSerialPort &port)
{
    const qint64 held = bytesHeldBySystem(port);
    const QByteArray fromDriver = held > 0 ? readFromDriver(port, held) : QByteArray();
    if (QObject *notifier = completionNotifierOf(port))
        QCoreApplication::sendPostedEvents(notifier, QEvent::MetaCall);
    return port.readAll() + fromDriver;
}

// Qt reads no further after any failed wait or read on Windows, and reports a pulled adapter
// by whatever the driver returned: 5 as a permission error, 2 as device not found, 21, 31
// and 1167 as unknown, 22 and 995 as a resource error, a failed read start as a read error.
// Only a time-out (of a wait Qt was asked for) and a setting the driver refuses leave the
// line usable.
bool lineDropped(QSerialPort &, QSerialPort::SerialPortError reported)
{
    switch (reported) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError:
    case QSerialPort::UnsupportedOperationError:
        return false;
    default:
        return true;
    }
}

void resumeReading(QSerialPort &)
{
}

}  // namespace serialSystem

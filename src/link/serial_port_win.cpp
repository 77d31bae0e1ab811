#include "link/serial_port_system.h"

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
// reach it through the event loop, and the loop does not run during the engine's wait. And
// when Qt completes a read while more bytes wait in the driver, it starts its next read at
// once, before it emits readyRead: that read takes an answer's late bytes, and its completion
// may be delivered only after the wait. So Qt's buffer holds one byte: with the answer's
// first byte in it, Qt starts no read and no wait of its own (qserialport_win.cpp,
// startAsyncRead: "Buffer is full"), and the rest of the answer stays in the driver, where
// readAnswer takes it. Qt reads on once its byte has been read.
void keepLateBytesInReach(QSerialPort &port)
{
    port.setReadBufferSize(1);
}

// The bytes still in the driver are read past Qt first: while its one byte is unread, Qt has no
// read of its own pending that could compete for them (see keepLateBytesInReach); reading its
// byte afterwards starts its next read. Completions Qt has been posted meanwhile (a wait's, for bytes
// now read here; a read it started before its buffer filled) are delivered as the event loop
// would, by delivering only its notifier's posted events; Qt's bytes came first.
// (waitForReadyRead is no way: in Qt 6.4 its count of completions can run ahead of its
// queue, and it then reads past the queue's end.)
QByteArray readAnswer(QSerialPort &port)
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

#include "link/tracing_link.h"

TracingLink::TracingLink(ByteLink &port, LineTrace &trace, QObject *parent)
    : ByteLink(parent), port_(port), trace_(trace)
{
    connect(&port_, &ByteLink::dataReceived, this, &ByteLink::dataReceived);
    connect(&port_, &ByteLink::portLost, this, &ByteLink::portLost);
}

PortOpening TracingLink::openDevice(const QString &device)
{
    return port_.openDevice(device);
}

bool TracingLink::isOpen() const
{
    return port_.isOpen();
}

// Recorded after the write, so the record never holds back the byte.
bool TracingLink::writeByte(uint8_t byte)
{
    const bool written = port_.writeByte(byte);
    if (written)
        trace_.sent(byte);
    return written;
}

QByteArray TracingLink::readAll()
{
    QByteArray answer = port_.readAll();
    if (!answer.isEmpty())
        trace_.received(answer);
    return answer;
}

qint64 TracingLink::bytesAvailable()
{
    return port_.bytesAvailable();
}

QString TracingLink::notOpenReason() const
{
    return port_.notOpenReason();
}

#pragma once

#include "link/byte_link.h"
#include "link/line_trace.h"

// A link that records in a trace every byte written to the port it wraps and every answer
// read from it, and passes everything else on unchanged.
class TracingLink : public ByteLink {
    Q_OBJECT
public:
    TracingLink(ByteLink &port, LineTrace &trace, QObject *parent = nullptr);

    PortOpening openDevice(const QString &device) override;
    bool isOpen() const override;
    bool writeByte(uint8_t byte) override;
    QByteArray readAll() override;
    qint64 bytesAvailable() override;
    QString notOpenReason() const override;

private:
    ByteLink &port_;
    LineTrace &trace_;
};

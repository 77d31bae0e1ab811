#pragma once

#include "link/byte_link.h"

// A unit that echoes every byte at once; keeps everything the PC sent.
class FakeUnitLink : public ByteLink {
public:
    QByteArray sent;

    PortOpening openDevice(const QString &) override { return {PortOpening::Result::Opened, {}}; }
    bool isOpen() const override { return true; }
    bool writeByte(uint8_t byte) override
    {
        sent.append(static_cast<char>(byte));
        pending_.append(static_cast<char>(byte));
        return true;
    }
    QByteArray readAll() override
    {
        QByteArray answer = pending_;
        pending_.clear();
        return answer;
    }
    qint64 bytesAvailable() override { return pending_.size(); }
    QString notOpenReason() const override { return {}; }

private:
    QByteArray pending_;
};

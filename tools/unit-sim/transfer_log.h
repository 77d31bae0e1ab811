#pragma once

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <optional>

// One upload as the unit saw it: the start byte and every byte after it.
struct ReceivedTransfer {
    uint8_t startByte = 0;
    QByteArray bytes;
};

// Splits the received byte stream into transfers. The tool waits for each echo, so
// inside a transfer the bytes follow each other within milliseconds; the operator's
// next command comes after a pause.
class TransferLog {
public:
    static constexpr qint64 kSilenceMs = 500;

    // Returns the byte's index in its transfer: -1 for the start byte, then 0, 1, ...
    int add(uint8_t byte, qint64 atMs);

    const QList<ReceivedTransfer> &transfers() const { return transfers_; }
    qint64 totalBytes() const { return totalBytes_; }

private:
    QList<ReceivedTransfer> transfers_;
    std::optional<qint64> lastByteMs_;
    qint64 totalBytes_ = 0;
};

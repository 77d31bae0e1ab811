#pragma once

#include "session/send_record.h"

#include <QElapsedTimer>

#include <optional>

// How a transfer went, once it has ended.
struct TransferSummary {
    SentTransfer transfer;
    qint64 seconds = 0;
    QString settingsPath;  // the file the record is kept for
    QString setAside;      // a damaged record put aside under this name; empty when none was
};

// Notes each transfer from its start byte to its end, then adds it to the record of the
// settings file it was sent from; a whole settings send is also remembered for its port.
class TransferRecorder {
public:
    void begin(TransferMode kind, const QString &port, const QByteArray &bytes, const QString &settingsPath);
    bool isRunning() const { return running_.has_value(); }
    // Writes the record; none when no transfer was running.
    std::optional<TransferSummary> end(TransferEnd how, int sent, int wrongEchoes);

private:
    std::optional<TransferSummary> running_;
    QElapsedTimer clock_;
};

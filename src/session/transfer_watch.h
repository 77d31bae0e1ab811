#pragma once

#include "session/transfer_pace.h"
#include "session/unit_session.h"

#include <QElapsedTimer>
#include <QObject>

// The running transfer in one line, for a status bar: the bytes out of the total and, from
// the recent rate, the time left; at its end the outcome. Redrawn four times a second at
// most, so watching costs the upload nothing it would notice.
class TransferWatch : public QObject {
    Q_OBJECT
public:
    explicit TransferWatch(UnitSession &session, QObject *parent = nullptr);

signals:
    void lineChanged(const QString &line);
    // Bytes out of the total, after every byte: for a progress display that is cheap itself.
    void bytesSent(int sent, int total);

private:
    void started(TransferMode kind);
    void advanced();
    void ended(const TransferSummary &summary);
    void redraw();

    UnitSession &session_;
    TransferMode kind_ = TransferMode::None;
    int total_ = 0;
    TransferPace pace_;
    QElapsedTimer clock_;
    qint64 drawnAtMs_ = 0;
};

#include "session/transfer_watch.h"

namespace {

constexpr qint64 kRedrawMs = 250;

}  // namespace

TransferWatch::TransferWatch(UnitSession &session, QObject *parent) : QObject(parent), session_(session)
{
    connect(&session_, &UnitSession::transferStarted, this, &TransferWatch::started);
    connect(&session_, &UnitSession::progress, this, &TransferWatch::advanced);
    connect(&session_, &UnitSession::transferEnded, this, &TransferWatch::ended);
}

void TransferWatch::started(TransferMode kind)
{
    kind_ = kind;
    total_ = transferLength(kind);
    clock_.start();
    pace_.start(0);
    redraw();
}

void TransferWatch::advanced()
{
    if (kind_ == TransferMode::None)
        return;
    emit bytesSent(session_.engine().sentBytes(), total_);
    if (clock_.elapsed() - drawnAtMs_ >= kRedrawMs)
        redraw();
}

void TransferWatch::redraw()
{
    drawnAtMs_ = clock_.elapsed();
    const int sent = session_.engine().sentBytes();
    pace_.note(drawnAtMs_, sent);
    emit lineChanged(sendingLine(kind_, sent, total_, pace_.secondsLeft(total_)));
}

// A transfer replaced by another says nothing: the new one's line follows at once.
void TransferWatch::ended(const TransferSummary &summary)
{
    kind_ = TransferMode::None;
    const SentTransfer &transfer = summary.transfer;
    switch (transfer.end) {
    case TransferEnd::Whole:
        emit lineChanged(sentLine(transfer.kind, summary.seconds, transfer.wrongEchoes));
        break;
    case TransferEnd::Stopped:
        emit lineChanged(stoppedLine(transfer.sent, transfer.total));
        break;
    case TransferEnd::LineLost:
        emit lineChanged(lineLostLine(transfer.sent, transfer.total));
        break;
    case TransferEnd::Abandoned:
        break;
    }
}

#include "session/transfer_recorder.h"

#include "session/port_record.h"

#include <cmath>

namespace {

constexpr double kMsPerSecond = 1000;

bool isSettings(TransferMode kind)
{
    return kind == TransferMode::ButtonSettings || kind == TransferMode::TerminalSettings;
}

}  // namespace

void TransferRecorder::begin(TransferMode kind, const QString &port, const QByteArray &bytes,
                             const QString &settingsPath)
{
    TransferSummary summary;
    summary.transfer.when = QDateTime::currentDateTime();
    summary.transfer.kind = kind;
    summary.transfer.port = port;
    summary.transfer.total = static_cast<int>(bytes.size());
    summary.transfer.hash = imageHash(bytes);
    summary.settingsPath = settingsPath;
    running_ = summary;
    clock_.start();
}

std::optional<TransferSummary> TransferRecorder::end(TransferEnd how, int sent, int wrongEchoes)
{
    if (!running_)
        return std::nullopt;
    TransferSummary summary = *running_;
    running_.reset();
    summary.seconds = std::llround(static_cast<double>(clock_.elapsed()) / kMsPerSecond);
    summary.transfer.sent = sent;
    summary.transfer.wrongEchoes = wrongEchoes;
    summary.transfer.end = how;
    summary.setAside = appendToSendRecord(summary.settingsPath, summary.transfer).setAside;
    if (how == TransferEnd::Whole && isSettings(summary.transfer.kind))
        rememberSendOnPort(summary.transfer.port, {summary.settingsPath, summary.transfer.when});
    return summary;
}

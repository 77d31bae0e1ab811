#include "transfer_log.h"

int TransferLog::add(uint8_t byte, qint64 atMs)
{
    ++totalBytes_;
    const bool startsTransfer = !lastByteMs_ || atMs - *lastByteMs_ >= kSilenceMs;
    lastByteMs_ = atMs;
    if (startsTransfer) {
        transfers_.append(ReceivedTransfer{byte, {}});
        return -1;
    }
    QByteArray &bytes = transfers_.last().bytes;
    bytes.append(char(byte));
    return int(bytes.size()) - 1;
}

#include "sim_summary.h"

#include "transfer_decoder.h"

namespace {

constexpr uint8_t kExpectedStartByte = 0xAA;

}  // namespace

QStringList summaryLines(const TransferLog &log)
{
    QStringList lines{QStringLiteral("unit-sim summary: %1 transfers, %2 bytes received")
                          .arg(log.transfers().size())
                          .arg(log.totalBytes())};
    int number = 0;
    for (const ReceivedTransfer &received : log.transfers()) {
        QStringList described = describeTransfer(decodeTransfer(received.bytes));
        QString head = QStringLiteral("transfer %1: %2").arg(++number).arg(described.takeFirst());
        if (received.startByte != kExpectedStartByte)
            head +=
                QStringLiteral(", started by 0x%1 instead of 0xAA").arg(received.startByte, 2, 16, QLatin1Char('0'));
        lines << head;
        for (const QString &line : described)
            lines << QStringLiteral("  ") + line;
    }
    return lines;
}

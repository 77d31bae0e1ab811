#pragma once

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <map>
#include <set>

enum class TransferKind { Empty, ButtonImage, TerminalImage, TicketData, Clock, Unknown };

// What one transfer carried, read record by record.
struct DecodedTransfer {
    TransferKind kind = TransferKind::Empty;
    int byteCount = 0;
    int records = 0;            // records whose fields all arrived
    int malformed = 0;          // wrong start or end marker
    int firstMalformedAt = -1;  // byte offset of the first of them
    bool lastCutByOne = false;  // the final record lacks only its end marker
    int fragmentBytes = 0;      // a shorter final piece of a record
    // Image: address -> data byte; clock: register -> value; ticket: position -> layout byte.
    std::map<int, uint8_t> values;
    std::set<int> ticketNumbers;
};

// Decodes the bytes that followed a start byte.
DecodedTransfer decodeTransfer(const QByteArray &bytes);

// Human-readable lines: record counts, then the settings the transfer carries.
QStringList describeTransfer(const DecodedTransfer &transfer);

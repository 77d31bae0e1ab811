#pragma once

#include <QByteArray>

#include <cstdint>

// The ticket data image: 256 records of start marker, layout byte, position, ticket number,
// end marker. The unit stores each layout byte at its position under the ticket number.
constexpr int kTicketRecordCount = 256;
constexpr int kTicketRecordSize = 5;
constexpr uint8_t kTicketRecordStart = 0xAF;
constexpr uint8_t kTicketRecordEnd = 0xA5;

// Every record k becomes AF 00 k 00 A5; an empty image gets its full size.
void resetTicketImage(QByteArray &image);

// The layout byte of record k (0..255).
void setTicketDataByte(QByteArray &image, int k, uint8_t byte);

// The ticket number n (0..15) into every record.
void stampTicketNumber(QByteArray &image, int n);

// Reset, then the layout's bytes into records 0, 1, ... (at most one per record).
void fillTicketImage(QByteArray &image, const QByteArray &layout);

#include "transfer_decoder.h"

namespace {

constexpr uint8_t kImageStart = 0xAA;
constexpr uint8_t kImageEnd = 0xA0;
constexpr uint8_t kTicketStart = 0xAF;
constexpr uint8_t kTicketEnd = 0xA5;
constexpr uint8_t kClockStart = 0xB4;
constexpr uint8_t kClockEnd = 0xBE;
constexpr int kImageRecordSize = 5;
constexpr int kClockRecordSize = 4;

// Addresses of the button image; every other address belongs to the terminal image.
constexpr int kGroupStartAddress = 0x1000;
constexpr int kGroupEndAddress = 0x1040;
constexpr int kGroupLastCalledAddress = 0x1080;
constexpr int kGroupLastIssuedAddress = 0x10C0;
constexpr int kGroupEnableAddress = 0x1120;
constexpr int kGroupEnableCopyAddress = 0x1140;
constexpr int kGroupLayoutAddress = 0x1160;
constexpr int kTerminalZeroAddress = 0x1180;
constexpr int kTerminalZeroEnd = 0x1200;
constexpr int kGroupLimitAddress = 0x12D0;
constexpr int kGroups = 32;
constexpr int kTerminals = 64;
constexpr int kSlots = 32;
constexpr int kTerminalStride = 64;
constexpr uint8_t kMaxCount = 255;

// Clock chip registers the frames write.
constexpr int kDsSeconds = 0x00;
constexpr int kDsMinutes = 0x01;
constexpr int kDsHours = 0x02;
constexpr int kDsDay = 0x04;
constexpr int kDsMonth = 0x05;
constexpr int kDsYear = 0x06;
constexpr int kPcfSeconds = 0x02;
constexpr int kPcfMinutes = 0x03;
constexpr int kPcfHours = 0x04;
constexpr int kPcfYearDate = 0x05;  // year within the leap cycle in bits 7..6, day below
constexpr int kPcfMonth = 0x06;
constexpr int kPcfYearCount = 0x10;  // years div 4, kept in the chip's first free RAM byte
constexpr uint8_t kPcfDayMask = 0x3F;
constexpr int kPcfYearShift = 6;
constexpr int kYearsPerCycle = 4;

struct RecordFormat {
    uint8_t start;
    uint8_t end;
    int size;
};

bool isButtonAddress(int address)
{
    return address >= kGroupStartAddress && !(address >= kTerminalZeroAddress && address < kTerminalZeroEnd);
}

// Takes a record's fields (everything but its markers) into the transfer.
void keepFields(DecodedTransfer &transfer, const QByteArray &record)
{
    const auto byteAt = [&record](int i) { return uint8_t(record.at(i)); };
    switch (transfer.kind) {
    case TransferKind::Clock:
        transfer.values[byteAt(1)] = byteAt(2);
        break;
    case TransferKind::TicketData:
        transfer.values[byteAt(2)] = byteAt(1);
        transfer.ticketNumbers.insert(byteAt(3));
        break;
    default:
        transfer.values[byteAt(2) * 256 + byteAt(3)] = byteAt(1);
        break;
    }
}

TransferKind kindOf(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return TransferKind::Empty;
    switch (uint8_t(bytes.at(0))) {
    case kImageStart:
        if (bytes.size() >= 4 && !isButtonAddress(uint8_t(bytes.at(2)) * 256 + uint8_t(bytes.at(3))))
            return TransferKind::TerminalImage;
        return TransferKind::ButtonImage;
    case kTicketStart:
        return TransferKind::TicketData;
    case kClockStart:
        return TransferKind::Clock;
    default:
        return TransferKind::Unknown;
    }
}

RecordFormat formatOf(TransferKind kind)
{
    switch (kind) {
    case TransferKind::TicketData:
        return {kTicketStart, kTicketEnd, kImageRecordSize};
    case TransferKind::Clock:
        return {kClockStart, kClockEnd, kClockRecordSize};
    default:
        return {kImageStart, kImageEnd, kImageRecordSize};
    }
}

void decodeRecord(DecodedTransfer &transfer, const RecordFormat &format, const QByteArray &record, int offset)
{
    // The terminal image fills the room between its blocks with zero bytes.
    if (transfer.kind == TransferKind::TerminalImage && record.count('\0') == record.size())
        return;
    if (uint8_t(record.at(0)) != format.start || uint8_t(record.at(format.size - 1)) != format.end) {
        ++transfer.malformed;
        if (transfer.firstMalformedAt < 0)
            transfer.firstMalformedAt = offset;
        return;
    }
    ++transfer.records;
    keepFields(transfer, record);
}

void decodeLastPiece(DecodedTransfer &transfer, const RecordFormat &format, const QByteArray &piece)
{
    if (piece.size() == format.size - 1 && uint8_t(piece.at(0)) == format.start) {
        transfer.lastCutByOne = true;
        ++transfer.records;
        keepFields(transfer, piece);
        return;
    }
    transfer.fragmentBytes = int(piece.size());
}

}  // namespace

DecodedTransfer decodeTransfer(const QByteArray &bytes)
{
    DecodedTransfer transfer;
    transfer.kind = kindOf(bytes);
    transfer.byteCount = int(bytes.size());
    if (transfer.kind == TransferKind::Empty)
        return transfer;
    const RecordFormat format = formatOf(transfer.kind);
    int offset = 0;
    for (; offset + format.size <= bytes.size(); offset += format.size)
        decodeRecord(transfer, format, bytes.mid(offset, format.size), offset);
    if (offset < bytes.size())
        decodeLastPiece(transfer, format, bytes.mid(offset));
    return transfer;
}

namespace {

QString oneByte(const DecodedTransfer &transfer, int key)
{
    const auto found = transfer.values.find(key);
    return found == transfer.values.end() ? QStringLiteral("-") : QString::number(found->second);
}

QString twoBytes(const DecodedTransfer &transfer, int lowAddress)
{
    const auto low = transfer.values.find(lowAddress);
    const auto high = transfer.values.find(lowAddress + 1);
    if (low == transfer.values.end() || high == transfer.values.end())
        return QStringLiteral("-");
    return QString::number(high->second * 256 + low->second);
}

QString hex2(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QString kindName(TransferKind kind)
{
    switch (kind) {
    case TransferKind::Empty:
        return QStringLiteral("start byte only");
    case TransferKind::ButtonImage:
        return QStringLiteral("button image");
    case TransferKind::TerminalImage:
        return QStringLiteral("terminal image");
    case TransferKind::TicketData:
        return QStringLiteral("ticket data");
    case TransferKind::Clock:
        return QStringLiteral("clock frame");
    case TransferKind::Unknown:
        break;
    }
    return QStringLiteral("unknown data");
}

QString countsLine(const DecodedTransfer &transfer)
{
    QString line = QStringLiteral("%1: %2 bytes, %3 records")
                       .arg(kindName(transfer.kind))
                       .arg(transfer.byteCount)
                       .arg(transfer.records);
    const bool imageKind = transfer.kind == TransferKind::ButtonImage || transfer.kind == TransferKind::TerminalImage;
    if (transfer.lastCutByOne)
        line += imageKind ? QStringLiteral(" (last record cut by one byte, as the tool sends it)")
                          : QStringLiteral(" (last record lacks its end marker)");
    line += QStringLiteral(", %1 malformed").arg(transfer.malformed);
    if (transfer.firstMalformedAt >= 0)
        line += QStringLiteral(" (first at byte %1)").arg(transfer.firstMalformedAt);
    if (transfer.fragmentBytes > 0)
        line += QStringLiteral(", incomplete last record of %1 bytes").arg(transfer.fragmentBytes);
    return line;
}

QStringList groupLines(const DecodedTransfer &transfer)
{
    QStringList lines;
    for (int k = 0; k < kGroups; ++k) {
        if (!transfer.values.count(kGroupStartAddress + 2 * k))
            continue;  // the transfer ended before this group's first record
        lines << QStringLiteral("group %1: start %2, end %3, last called %4, last issued %5, "
                                "enable %6/%7, layout %8, limit %9")
                     .arg(k + 1)
                     .arg(twoBytes(transfer, kGroupStartAddress + 2 * k), twoBytes(transfer, kGroupEndAddress + 2 * k),
                          twoBytes(transfer, kGroupLastCalledAddress + 2 * k),
                          twoBytes(transfer, kGroupLastIssuedAddress + 2 * k),
                          oneByte(transfer, kGroupEnableAddress + k), oneByte(transfer, kGroupEnableCopyAddress + k),
                          oneByte(transfer, kGroupLayoutAddress + k), oneByte(transfer, kGroupLimitAddress + k));
    }
    return lines;
}

QString slotText(const DecodedTransfer &transfer, int terminal, int slot)
{
    const int groupAddress = terminal * kTerminalStride + slot;
    const auto group = transfer.values.find(groupAddress);
    const auto count = transfer.values.find(groupAddress + kSlots);
    const bool groupSet = group != transfer.values.end() && group->second != 0;
    const bool countSet = count != transfer.values.end() && count->second != 0;
    if (!groupSet && !countSet)
        return {};
    const QString countText =
        countSet && count->second == kMaxCount ? QStringLiteral("MAX") : oneByte(transfer, groupAddress + kSlots);
    return QStringLiteral("slot %1 group %2 count %3").arg(slot + 1).arg(oneByte(transfer, groupAddress), countText);
}

QStringList terminalLines(const DecodedTransfer &transfer)
{
    QStringList lines;
    for (int t = 0; t < kTerminals; ++t) {
        QStringList filled;
        for (int s = 0; s < kSlots; ++s) {
            const QString text = slotText(transfer, t, s);
            if (!text.isEmpty())
                filled << text;
        }
        if (!filled.isEmpty())
            lines << QStringLiteral("terminal %1: %2").arg(t + 1).arg(filled.join(QStringLiteral(", ")));
    }
    lines.prepend(QStringLiteral("priority slots set on %1 terminals").arg(lines.size()));
    return lines;
}

QStringList ticketLines(const DecodedTransfer &transfer)
{
    int layoutLength = 0;
    for (const auto &[position, byte] : transfer.values) {
        if (byte != 0)
            layoutLength = position + 1;
    }
    QStringList numbers;
    for (int number : transfer.ticketNumbers)
        numbers << QString::number(number + 1);
    const QString numberText = transfer.ticketNumbers.size() == 1
                                   ? QStringLiteral("ticket number %1").arg(numbers.first())
                                   : QStringLiteral("ticket numbers differ: %1").arg(numbers.join(QLatin1Char(' ')));
    return {QStringLiteral("%1, layout %2 bytes").arg(numberText).arg(layoutLength)};
}

QString bcd(const DecodedTransfer &transfer, int reg, uint8_t mask = 0xFF)
{
    const auto found = transfer.values.find(reg);
    return found == transfer.values.end() ? QStringLiteral("--") : hex2(found->second & mask);
}

QStringList clockLines(const DecodedTransfer &transfer)
{
    QStringList registers;
    for (const auto &[reg, value] : transfer.values)
        registers << hex2(reg) + QLatin1Char('=') + hex2(value);
    QStringList lines{QStringLiteral("registers %1").arg(registers.join(QLatin1Char(' ')))};
    const auto yearCount = transfer.values.find(kPcfYearCount);
    if (yearCount != transfer.values.end()) {
        const auto yearDate = transfer.values.find(kPcfYearDate);
        const int yearInCycle = yearDate == transfer.values.end() ? 0 : yearDate->second >> kPcfYearShift;
        lines << QStringLiteral("PCF8583: %1:%2:%3 %4.%5, year %6")
                     .arg(bcd(transfer, kPcfHours), bcd(transfer, kPcfMinutes), bcd(transfer, kPcfSeconds),
                          bcd(transfer, kPcfYearDate, kPcfDayMask), bcd(transfer, kPcfMonth))
                     .arg(yearCount->second * kYearsPerCycle + yearInCycle);
    } else {
        lines << QStringLiteral("DS1307: %1:%2:%3 %4.%5.%6")
                     .arg(bcd(transfer, kDsHours), bcd(transfer, kDsMinutes), bcd(transfer, kDsSeconds),
                          bcd(transfer, kDsDay), bcd(transfer, kDsMonth), bcd(transfer, kDsYear));
    }
    return lines;
}

}  // namespace

QStringList describeTransfer(const DecodedTransfer &transfer)
{
    QStringList lines{countsLine(transfer)};
    switch (transfer.kind) {
    case TransferKind::ButtonImage:
        return lines + groupLines(transfer);
    case TransferKind::TerminalImage:
        return lines + terminalLines(transfer);
    case TransferKind::TicketData:
        return lines + ticketLines(transfer);
    case TransferKind::Clock:
        return lines + clockLines(transfer);
    default:
        return lines;
    }
}

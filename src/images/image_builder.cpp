#include "images/image_builder.h"

#include "images/refusal_names.h"

namespace {

// Addresses the unit stores each value at.
constexpr int kStartAddress = 0x1000;
constexpr int kEndAddress = 0x1040;
constexpr int kLastCalledAddress = 0x1080;
constexpr int kLastIssuedAddress = 0x10C0;
constexpr int kZeroGroupAddress = 0x1100;
constexpr int kEnableAddress = 0x1120;
constexpr int kEnableCopyAddress = 0x1140;
constexpr int kLayoutAddress = 0x1160;
constexpr int kZeroTerminalAddressA = 0x1180;
constexpr int kZeroTerminalAddressB = 0x11C0;
constexpr int kLimitAddress = 0x12D0;
constexpr int kAddressesPerTerminal = 64;
constexpr int kSpan = 320;                  // one terminal's 32 records and 160 zero bytes
constexpr int kCountRecordsOffset = 20640;  // after 64 spans and the 160 zero bytes before the first counts
constexpr int kZeroRecordsOffsetA = 41280;  // after one more span of zero bytes
constexpr int kZeroRecordsOffsetB = 41600;

template <size_t N>
class ImageWriter {
public:
    explicit ImageWriter(std::array<uint8_t, N> &image) : image_(image) {}

    void record(int position, uint8_t data, int address)
    {
        image_[position] = kRecordStart;
        image_[position + 1] = data;
        image_[position + 2] = static_cast<uint8_t>(address / 256);
        image_[position + 3] = static_cast<uint8_t>(address % 256);
        image_[position + 4] = kRecordEnd;
    }

private:
    std::array<uint8_t, N> &image_;
};

struct ByteBlock {
    GroupField field;
    const GroupArray *values;  // nullptr: always 0
    int address;
};

struct WordBlock {
    GroupField field;
    const GroupArray *values;
    int address;
};

bool fitsByte(int value)
{
    return value >= 0 && value <= 255;
}

// Two-byte values are sent as low and high byte of a non-negative number.
bool fitsWord(int value)
{
    return value >= 0;
}

BuildRefusal refusal(const QString &where, int value)
{
    return BuildRefusal{where, QString::number(value)};
}

}  // namespace

std::optional<BuildRefusal> buildButtonImage(const Tanimlamalar &m, std::array<uint8_t, kButtonImageSize> &image)
{
    const std::array<WordBlock, 4> words{{
        {GroupField::Start, &m.GroupStart, kStartAddress},
        {GroupField::End, &m.GroupEnd, kEndAddress},
        {GroupField::LastCalled, &m.GroupLastCalled, kLastCalledAddress},
        {GroupField::LastIssued, &m.GroupLastIssued, kLastIssuedAddress},
    }};
    // Image order is not address order: the zero block follows the enable copies.
    const std::array<ByteBlock, 5> bytes{{
        {GroupField::Enable, &m.GroupEnable, kEnableAddress},
        {GroupField::EnableCopy, &m.GroupEnableCopy, kEnableCopyAddress},
        {GroupField::Enable, nullptr, kZeroGroupAddress},
        {GroupField::Layout, &m.GroupLayout, kLayoutAddress},
        {GroupField::Limit, &m.GroupLimit, kLimitAddress},
    }};
    for (const WordBlock &block : words) {
        for (int g = 0; g < kGroupCount; ++g) {
            if (!fitsWord((*block.values)[g]))
                return refusal(refusalNames::groupField(g, block.field), (*block.values)[g]);
        }
    }
    for (const ByteBlock &block : bytes) {
        for (int g = 0; block.values && g < kGroupCount; ++g) {
            if (!fitsByte((*block.values)[g]))
                return refusal(refusalNames::groupField(g, block.field), (*block.values)[g]);
        }
    }

    std::array<uint8_t, kButtonImageSize> built{};
    ImageWriter writer(built);
    int position = 0;
    for (const WordBlock &block : words) {
        for (int g = 0; g < kGroupCount; ++g) {
            const int value = (*block.values)[g];
            const int address = block.address + 2 * g;
            writer.record(position, static_cast<uint8_t>(value % 256), address);
            writer.record(position + kRecordSize, static_cast<uint8_t>(value / 256), address + 1);
            position += 2 * kRecordSize;
        }
    }
    for (const ByteBlock &block : bytes) {
        for (int g = 0; g < kGroupCount; ++g) {
            const int value = block.values ? (*block.values)[g] : 0;
            writer.record(position, static_cast<uint8_t>(value), block.address + g);
            position += kRecordSize;
        }
    }
    image = built;
    return std::nullopt;
}

std::optional<BuildRefusal> buildTerminalImage(const Tanimlamalar &m, std::array<uint8_t, kTerminalImageSize> &image)
{
    for (int t = 0; t < kTerminalCount; ++t) {
        for (int s = 0; s < kSlotCount; ++s) {
            if (!fitsByte(m.PriorityGroup[t][s]))
                return refusal(refusalNames::slotGroup(t, s), m.PriorityGroup[t][s]);
            if (!fitsByte(m.PriorityCount[t][s]))
                return refusal(refusalNames::slotCount(t, s), m.PriorityCount[t][s]);
        }
    }

    std::array<uint8_t, kTerminalImageSize> built{};
    ImageWriter writer(built);
    // A terminal's group numbers sit at its first 32 addresses, its counts at the next 32;
    // each record stands at five times its address, so the image has zero-filled gaps.
    for (int t = 0; t < kTerminalCount; ++t) {
        for (int s = 0; s < kSlotCount; ++s) {
            const int address = kAddressesPerTerminal * t + s;
            writer.record(kRecordSize * address, static_cast<uint8_t>(m.PriorityGroup[t][s]), address);
        }
    }
    for (int t = 0; t < kTerminalCount; ++t) {
        for (int s = 0; s < kSlotCount; ++s) {
            const int address = kAddressesPerTerminal * t + kSlotCount + s;
            const int position = kCountRecordsOffset + kSpan * t + kRecordSize * s;
            writer.record(position, static_cast<uint8_t>(m.PriorityCount[t][s]), address);
        }
    }
    for (int t = 0; t < kTerminalCount; ++t)
        writer.record(kZeroRecordsOffsetA + kRecordSize * t, 0, kZeroTerminalAddressA + t);
    for (int t = 0; t < kTerminalCount; ++t)
        writer.record(kZeroRecordsOffsetB + kRecordSize * t, 0, kZeroTerminalAddressB + t);
    image = built;
    return std::nullopt;
}

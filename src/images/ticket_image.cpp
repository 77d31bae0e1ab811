#include "images/ticket_image.h"

#include "config/tanimlamalar.h"

#include <algorithm>

namespace {

constexpr int kDataOffset = 1;
constexpr int kPositionOffset = 2;
constexpr int kNumberOffset = 3;
constexpr int kEndOffset = 4;

static_assert(kTicketRecordCount * kTicketRecordSize == kTicketImageSize);

void setElement(QByteArray &image, int k, int offset, uint8_t value)
{
    image[k * kTicketRecordSize + offset] = static_cast<char>(value);
}

}  // namespace

void resetTicketImage(QByteArray &image)
{
    image.resize(kTicketImageSize);
    for (int k = 0; k < kTicketRecordCount; ++k) {
        setElement(image, k, 0, kTicketRecordStart);
        setElement(image, k, kDataOffset, 0);
        setElement(image, k, kPositionOffset, static_cast<uint8_t>(k));
        setElement(image, k, kNumberOffset, 0);
        setElement(image, k, kEndOffset, kTicketRecordEnd);
    }
}

void setTicketDataByte(QByteArray &image, int k, uint8_t byte)
{
    setElement(image, k, kDataOffset, byte);
}

void stampTicketNumber(QByteArray &image, int n)
{
    for (int k = 0; k < kTicketRecordCount; ++k)
        setElement(image, k, kNumberOffset, static_cast<uint8_t>(n));
}

void fillTicketImage(QByteArray &image, const QByteArray &layout)
{
    resetTicketImage(image);
    const auto count = static_cast<int>(std::min<qsizetype>(layout.size(), kTicketRecordCount));
    for (int k = 0; k < count; ++k)
        setTicketDataByte(image, k, static_cast<uint8_t>(layout[k]));
}

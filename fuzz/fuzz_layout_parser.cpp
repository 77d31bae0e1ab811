// Any bytes as a ticket layout file: the reader must end, keep at most 256 bytes and give
// an image the unit can take.
#include "config/tanimlamalar.h"
#include "images/ticket_image.h"
#include "images/ticket_layout_parser.h"
#include "ui/editor/ticket_view.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray file = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer device(&file);
    device.open(QIODevice::ReadOnly);
    const QByteArray layout = readLayout(device);
    if (layout.size() > kMaxLayoutBytes)
        std::abort();

    QByteArray image;
    fillTicketImage(image, layout);
    stampTicketNumber(image, kLayoutCount - 1);
    if (image.size() != qsizetype(kTicketRecordCount) * kTicketRecordSize)
        std::abort();
    for (int k = 0; k < kTicketRecordCount; ++k) {
        const char *record = image.constData() + qsizetype(k) * kTicketRecordSize;
        if (static_cast<uint8_t>(record[0]) != kTicketRecordStart || static_cast<uint8_t>(record[2]) != k ||
            static_cast<uint8_t>(record[4]) != kTicketRecordEnd)
            std::abort();
    }
    ticketViewText(layout);
    return 0;
}

#pragma once

#include <QByteArray>

#include <cstdint>
#include <initializer_list>

// Bytes written as numbers, the way the unit's format lists them: bytes({0xAA, 0x2C, 0x10}).
inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(char(value));
    return result;
}

// What the unit receives for a transfer: the start byte, then the first count bytes of the image.
inline QByteArray startAndImage(const uint8_t *image, int count)
{
    return bytes({0xAA}) + QByteArray(reinterpret_cast<const char *>(image), count);
}

// The ticket-number byte of each of the 256 ticket records (AF, data, k, number, A5).
inline QByteArray ticketNumbersOf(const QByteArray &ticketImage)
{
    QByteArray numbers;
    for (int k = 0; k < 256; ++k)
        numbers += ticketImage.at(5 * k + 3);
    return numbers;
}

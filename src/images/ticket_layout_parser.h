#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>

// The unit keeps at most this many bytes of one ticket layout.
constexpr int kMaxLayoutBytes = 256;

// Reads layout fields from the device and returns their data bytes in order.
// Fields are split by commas and by line ends (CR, LF or CR LF); blanks before a field
// and blanks between an unquoted field and its separator are not part of it. A field in
// double quotes runs to the next double quote and may hold commas and line ends.
// 'text' gives one byte per character (the file's own Windows-1254 code); anything else
// is a number (ParseNumber, &H and &O included) rounded half to even, 0 when it does not
// start with a number. Reading stops silently at a value outside 0..255, at a 257th byte
// or at a read failure, keeping the bytes before it; the rest of the device is not read.
QByteArray readLayout(QIODevice &device);

// Opens the layout file, reads it and releases it again, also when the reading stopped
// early. No value when the path is not a readable plain file (gone, a folder, a device).
std::optional<QByteArray> readLayoutFile(const QString &path);

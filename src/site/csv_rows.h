#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// The byte-order mark settingsCsv writes first.
inline const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// A CSV file's lines split into fields, unquoted and trimmed; row i is line i + 1 of the file.
// Reads UTF-8 with or without a byte-order mark, or Windows-1254 where the bytes are not UTF-8,
// and CR LF or LF line ends.
QList<QStringList> csvRows(const QByteArray &csv);

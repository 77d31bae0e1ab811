#pragma once

#include "config/tanimlamalar.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The settings as a spreadsheet reads them: UTF-8 (with a byte-order mark, so spreadsheets take
// it for UTF-8), fields separated by ';', CR LF line ends. Two tables, each under its header row,
// with an empty line between: the groups, one row each, and the terminal slots, one row per
// terminal and slot (all 32 slots, so nothing the file stores is lost).
QByteArray settingsCsv(const Tanimlamalar &model);

// Why an import changed nothing.
struct CsvRefusal {
    int line = 0;       // 1-based line of the file
    QString column;     // the header's name of the column
    QString value;      // as found
    QString allowed;    // what the column takes, e.g. "0..999"; empty where the column is missing
    int firstLine = 0;  // where the same group or slot was given before; 0 when it was not
    QString message() const;
};

// Reads a CSV written by settingsCsv, or edited from one, into the model. Numbers are read
// as whole numbers; a word, a value outside its range (group values 0..999, "Durum" and "Limit"
// 0..255, layout 1..16, slot group 0..16, count 0..254 or "MAX"), a missing column, an unknown
// row or a second row for the same group or slot is refused, and then nothing in the model
// changes.
std::optional<CsvRefusal> readSettingsCsv(const QByteArray &csv, Tanimlamalar &model);

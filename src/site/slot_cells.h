#pragma once

#include "config/tanimlamalar.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A panel slot's cell in the overview: "grup/sayı", "grup/MAX", or empty for none ("Yok").

// Writes the cell into the model when it is of that form and in range; otherwise leaves the
// model as it was and says why. None keeps the slot's count, as choosing "Yok" on the terminal
// panel does; a date names the cell with a hint, since a spreadsheet made it from "3/10".
std::optional<QString> writeSlotCell(Tanimlamalar &model, int terminal, int slot, const QString &text);

// Whether a spreadsheet turned the cell into a date: "03.10.2026", "10/3/2026", "3-Eki".
bool looksLikeDate(const QString &text);

// A block with no "/" in any cell, a filled cell and an even number of cells in every row is
// (grup, sayı) pairs: the slot cells they stand for. An empty group or group 0 is none; a
// date in either half stays the cell's text, so that it is refused as a date. None when the
// block is not pairs.
std::optional<QList<QStringList>> slotCellsOfPairs(const QList<QStringList> &block);

// A slot as two cells: ("3", "10"), ("3", "MAX"), ("", "") for none.
QStringList slotPair(const Tanimlamalar &model, int terminal, int slot);

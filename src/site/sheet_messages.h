#pragma once

#include "site/site_columns.h"

#include <QString>

// The overview sheet's texts for the operator, each defined here once.

// A cell as refusals and undo steps name it: "3. Buton, Başlangıç", "12. Terminal, 4. Öncelik".
// The column that names the row is named as the row.
QString groupCellName(int group, int column);
QString slotCellName(int terminal, int slot);

// "<cell>: <value> kabul edilmez (<allowed>)"
QString cellRefusal(const QString &cell, const QString &value, const QString &allowed);
// A slot value's name with its range: "grup 0..16", "sayı 0..254 ya da MAX".
QString namedRange(const ColumnRule &rule);
// What a slot cell takes, for a cell that is not of that form.
inline const QString kSlotCellForm = QStringLiteral("grup/sayı");
// What a flag column takes besides the numbers of its rule: "Açık, Kapalı ya da 0..255".
QString flagRange(const QString &on, const QString &off, const ColumnRule &rule);
// The column that names the row takes no other text than its own.
inline const QString kNotEditable = QStringLiteral("değiştirilemez");
// Appended to the refusal of a cell that a spreadsheet turned into a date.
inline const QString kDateCellHint =
    QStringLiteral("Hücreleri metin olarak biçimlendirin ya da grup ve sayıyı iki sütunda tutun.");
// "<refusal>. <hint>"
QString withHint(const QString &refusal, const QString &hint);

// A pasted block that does not fit from where it starts, and a paste of nothing.
QString pastePastEdge(qsizetype rows, qsizetype columns);
inline const QString kNothingToPaste = QStringLiteral("Yapıştırılacak hücre yok.");

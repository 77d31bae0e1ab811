#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// Blocks of cells between the overview's tables and the clipboard. Places on a table are as
// QRect has them: x the column, y the row.

// Clipboard text as spreadsheets give it: cells split by tabs, rows by CR LF or LF; a line
// end after the last row makes no row of its own.
QList<QStringList> clipboardCells(const QString &text);
// Cells as tab-separated lines, each ended by "\n".
QString clipboardText(const QList<QStringList> &cells);

struct PlacedCell {
    QPoint at;
    QString text;
};

// Where each cell of a pasted block goes, row by row: from the selection's top-left, or from
// `current` when nothing is selected; a single cell fills a larger selection. None when a
// cell would fall past the edge of a table of `size` cells.
std::optional<QList<PlacedCell>> placeBlock(const QList<QStringList> &block, QPoint current,
                                            const std::optional<QRect> &selection, QSize size);

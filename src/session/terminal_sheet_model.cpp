#include "session/terminal_sheet_model.h"

#include "images/unit_names.h"
#include "site/sheet_messages.h"
#include "site/site_tables.h"
#include "site/slot_cells.h"

#include <algorithm>

namespace {

int slotOf(int column)
{
    return column - TerminalColumn::FirstSlot;
}

}  // namespace

TerminalSheetModel::TerminalSheetModel(const Tanimlamalar &model, SiteDocument &document, QObject *parent)
    : SheetModel(model, document, terminalTable(model).headers, kTerminalCount, parent)
{
    rememberShown();
}

QString TerminalSheetModel::copyPairs(const QRect &selection) const
{
    const QRect cells = within(selection);
    QList<QStringList> rows;
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        QStringList row;
        for (int x = std::max(cells.left(), int(TerminalColumn::FirstSlot)); x <= cells.right(); ++x)
            row << slotPair(site(), y, slotOf(x));
        rows << row;
    }
    return clipboardText(rows);
}

QString TerminalSheetModel::cellText(const Tanimlamalar &model, int row, int column) const
{
    if (column == TerminalColumn::Terminal)
        return terminalName(row);
    return slotText(model.PriorityGroup[row][slotOf(column)], model.PriorityCount[row][slotOf(column)]);
}

std::optional<QString> TerminalSheetModel::writeCell(Tanimlamalar &model, int row, int column,
                                                     const QString &text) const
{
    return writeSlotCell(model, row, slotOf(column), text);
}

QString TerminalSheetModel::cellName(int row, int column) const
{
    return slotCellName(row, slotOf(column));
}

// An empty cell is "Yok".
std::optional<QString> TerminalSheetModel::clearedText() const
{
    return QString();
}

QList<QStringList> TerminalSheetModel::readBlock(const QList<QStringList> &block) const
{
    return slotCellsOfPairs(block).value_or(block);
}

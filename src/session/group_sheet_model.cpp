#include "session/group_sheet_model.h"

#include "site/group_cells.h"
#include "site/sheet_messages.h"
#include "site/site_tables.h"

GroupSheetModel::GroupSheetModel(const Tanimlamalar &model, SiteDocument &document, QObject *parent)
    : SheetModel(model, document, groupTable(model).headers, kGroupCount, parent)
{
    rememberShown();
}

QString GroupSheetModel::cellText(const Tanimlamalar &model, int row, int column) const
{
    return groupCell(model, row, column);
}

std::optional<QString> GroupSheetModel::writeCell(Tanimlamalar &model, int row, int column, const QString &text) const
{
    return writeGroupCell(model, row, column, text);
}

QString GroupSheetModel::cellName(int row, int column) const
{
    return groupCellName(row, column);
}

#include "site/site_tables.h"

#include "images/unit_names.h"
#include "site/site_columns.h"

namespace {

// A flag shows its word; a value the program never stores shows as the number it is, so a
// damaged file is seen rather than read as one of the two words.
QString flagText(int16_t value, int16_t on, const QString &onText, const QString &offText)
{
    if (value == on)
        return onText;
    if (value == 0)
        return offText;
    return QString::number(value);
}

}  // namespace

QString slotText(int16_t group, int16_t count)
{
    if (group == 0)
        return {};
    const QString shownCount = count == kMaxCount ? kMaxCountText : QString::number(count);
    return QStringLiteral("%1/%2").arg(group).arg(shownCount);
}

QString groupCell(const Tanimlamalar &model, int group, int column)
{
    switch (column) {
    case GroupColumn::Group:
        return groupName(group);
    case GroupColumn::Enabled:
        return flagText(model.GroupEnable[group], kEnabled, kEnabledWord, kDisabledWord);
    case GroupColumn::Start:
        return QString::number(model.GroupStart[group]);
    case GroupColumn::End:
        return QString::number(model.GroupEnd[group]);
    case GroupColumn::LastCalled:
        return QString::number(model.GroupLastCalled[group]);
    case GroupColumn::LastIssued:
        return QString::number(model.GroupLastIssued[group]);
    case GroupColumn::Limit:
        return flagText(model.GroupLimit[group], kLimitOn, kLimitWord, kNoLimitWord);
    case GroupColumn::Layout:
        // Layouts are stored from 0 and shown from 1, as the window's list names them.
        return QString::number(model.GroupLayout[group] + 1);
    default:
        return {};
    }
}

SiteTable groupTable(const Tanimlamalar &model)
{
    SiteTable table;
    table.headers << kGroupNumberColumn.name;
    for (const GroupValue &value : kGroupValues)
        table.headers << value.rule.name;
    for (int group = 0; group < kGroupCount; ++group) {
        QStringList row;
        for (int column = 0; column < GroupColumn::Count; ++column)
            row << groupCell(model, group, column);
        table.rows << row;
    }
    return table;
}

SiteTable terminalTable(const Tanimlamalar &model)
{
    SiteTable table;
    table.headers << kTerminalColumn.name;
    for (int slot = 0; slot < kPanelSlotCount; ++slot)
        table.headers << QString::number(slot + 1);
    for (int terminal = 0; terminal < kTerminalCount; ++terminal) {
        QStringList row{terminalName(terminal)};
        for (int slot = 0; slot < kPanelSlotCount; ++slot)
            row << slotText(model.PriorityGroup[terminal][slot], model.PriorityCount[terminal][slot]);
        table.rows << row;
    }
    return table;
}

#include "site/settings_comparison.h"

#include "images/unit_names.h"
#include "site/site_columns.h"

namespace {

using Table = SettingsDifference::Table;

QString numberText(int value)
{
    return QString::number(value);
}

QString enabledText(int value)
{
    if (value == kEnabled)
        return kEnabledWord;
    return value == 0 ? kDisabledWord : numberText(value);
}

QString limitText(int value)
{
    if (value == kLimitOn)
        return kLimitWord;
    return value == 0 ? kNoLimitWord : numberText(value);
}

// Any value but 1 selects the DS1307; a value other than 0 is shown too, so the line tells them apart.
QString clockChipText(int value)
{
    const QString name = clockChipName(value);
    return value == kClockChipPcf8583 || value == kClockChipDs1307 ? name
                                                                   : QStringLiteral("%1 (%2)").arg(name).arg(value);
}

QString slotValue(int group, int count)
{
    const QString groupPart = group == 0 ? QStringLiteral("Yok") : numberText(group);
    return groupPart + QLatin1Char('/') + (count == kMaxCount ? kMaxCountText : numberText(count));
}

QString change(const QString &name, const QString &before, const QString &after)
{
    return QStringLiteral("%1: %2 → %3").arg(name, before, after);
}

QString groupValueText(const GroupValue &value, int stored)
{
    if (value.column == GroupColumn::Enabled)
        return enabledText(stored);
    if (value.column == GroupColumn::Limit)
        return limitText(stored);
    return numberText(stored + value.shownOffset);
}

void compareGeneral(const Tanimlamalar &shown, const Tanimlamalar &other, QList<SettingsDifference> &out)
{
    if (shown.Text4 != other.Text4)
        out.append({Table::General, -1, -1, change(QStringLiteral("COM Port"), other.Text4, shown.Text4)});
    if (shown.ClockChip != other.ClockChip) {
        out.append({Table::General, -1, -1,
                    change(kClockChipWord, clockChipText(other.ClockChip), clockChipText(shown.ClockChip))});
    }
}

void compareGroup(const Tanimlamalar &shown, const Tanimlamalar &other, int g, QList<SettingsDifference> &out)
{
    for (const GroupValue &v : kGroupValues) {
        const int16_t before = (other.*v.values)[g];
        const int16_t after = (shown.*v.values)[g];
        if (before == after)
            continue;
        const QString name = QStringLiteral("Grup %1 %2").arg(g + 1).arg(v.rule.name);
        out.append({Table::Groups, g, v.column, change(name, groupValueText(v, before), groupValueText(v, after))});
    }
}

void compareTerminal(const Tanimlamalar &shown, const Tanimlamalar &other, int t, QList<SettingsDifference> &out)
{
    for (int s = 0; s < kSlotCount; ++s) {
        const int16_t groupBefore = other.PriorityGroup[t][s];
        const int16_t countBefore = other.PriorityCount[t][s];
        const int16_t groupAfter = shown.PriorityGroup[t][s];
        const int16_t countAfter = shown.PriorityCount[t][s];
        if (groupBefore == groupAfter && countBefore == countAfter)
            continue;
        const int column = s < kPanelSlotCount ? TerminalColumn::FirstSlot + s : -1;
        const QString name = QStringLiteral("Terminal %1 Öncelik %2").arg(t + 1).arg(s + 1);
        out.append({Table::Terminals, t, column,
                    change(name, slotValue(groupBefore, countBefore), slotValue(groupAfter, countAfter))});
    }
}

}  // namespace

QList<SettingsDifference> compareSettings(const Tanimlamalar &shown, const Tanimlamalar &other)
{
    QList<SettingsDifference> out;
    compareGeneral(shown, other, out);
    for (int g = 0; g < kGroupCount; ++g)
        compareGroup(shown, other, g, out);
    for (int t = 0; t < kTerminalCount; ++t)
        compareTerminal(shown, other, t, out);
    return out;
}

#include "site/group_cells.h"

#include "images/unit_names.h"
#include "site/sheet_messages.h"
#include "site/site_columns.h"

#include <algorithm>

namespace {

struct FlagWords {
    int column;
    const QString &on;
    const QString &off;
    int16_t onValue;
};

const std::array<FlagWords, 2> kFlagWords{{
    {GroupColumn::Enabled, kEnabledWord, kDisabledWord, kEnabled},
    {GroupColumn::Limit, kLimitWord, kNoLimitWord, kLimitOn},
}};

const FlagWords *flagWordsOf(int column)
{
    const auto *const found = std::find_if(kFlagWords.begin(), kFlagWords.end(),
                                           [column](const FlagWords &words) { return words.column == column; });
    return found == kFlagWords.end() ? nullptr : found;
}

// The stored value, before the shown offset is taken off.
std::optional<int16_t> shownValue(const GroupValue &value, const QString &text)
{
    if (const FlagWords *words = flagWordsOf(value.column)) {
        const QString word = text.trimmed();
        if (word.compare(words->on, Qt::CaseInsensitive) == 0)
            return words->onValue;
        if (word.compare(words->off, Qt::CaseInsensitive) == 0)
            return 0;
    }
    return value.rule.value(text);
}

QString allowedText(const GroupValue &value)
{
    if (const FlagWords *words = flagWordsOf(value.column))
        return flagRange(words->on, words->off, value.rule);
    return value.rule.allowed();
}

}  // namespace

std::optional<QString> writeGroupCell(Tanimlamalar &model, int group, int column, const QString &text)
{
    if (column <= GroupColumn::Group || column >= GroupColumn::Count)
        return cellRefusal(groupName(group), text, kNotEditable);
    const GroupValue &value = kGroupValues[column - 1];
    const std::optional<int16_t> shown = shownValue(value, text);
    if (!shown)
        return cellRefusal(groupCellName(group, column), text, allowedText(value));
    (model.*value.values)[group] = int16_t(*shown - value.shownOffset);
    // The copy follows the enable value, as the CSV import keeps it.
    model.GroupEnableCopy[group] = model.GroupEnable[group];
    return std::nullopt;
}

#include "site/site_columns.h"

#include "config/number_conversions.h"

#include <QRegularExpression>

namespace {

constexpr int kHighestByte = 255;

}  // namespace

QString ColumnRule::allowed() const
{
    const QString range = QStringLiteral("%1..%2").arg(lowest).arg(highest);
    return takesMax ? QStringLiteral("%1 ya da %2").arg(range, kMaxCountText) : range;
}

std::optional<int16_t> ColumnRule::value(const QString &text) const
{
    if (takesMax && text.compare(kMaxCountText, Qt::CaseInsensitive) == 0)
        return kMaxCount;
    // An empty field is a value cut out or a short row, and a word is a column mixed up;
    // reading either as 0, as the settings file's rule would, hides that.
    static const QRegularExpression wholeNumber(QStringLiteral("^\\s*[+-]?[0-9]+\\s*$"));
    if (!wholeNumber.match(text).hasMatch())
        return std::nullopt;
    const std::optional<int16_t> number = ToInt16(ParseNumber(text));
    if (!number || *number < lowest || *number > highest)
        return std::nullopt;
    return number;
}

// Durum and Limit go to the unit as one byte each.
const std::array<GroupValue, 7> kGroupValues = {{
    {{QStringLiteral("Durum"), 0, kHighestByte}, GroupColumn::Enabled, &Tanimlamalar::GroupEnable, 0},
    {{QStringLiteral("Başlangıç"), 0, kHighestTicketNumber}, GroupColumn::Start, &Tanimlamalar::GroupStart, 0},
    {{QStringLiteral("Bitiş"), 0, kHighestTicketNumber}, GroupColumn::End, &Tanimlamalar::GroupEnd, 0},
    {{QStringLiteral("Son Çağrılan"), 0, kHighestTicketNumber},
     GroupColumn::LastCalled,
     &Tanimlamalar::GroupLastCalled,
     0},
    {{QStringLiteral("Son Bilet"), 0, kHighestTicketNumber},
     GroupColumn::LastIssued,
     &Tanimlamalar::GroupLastIssued,
     0},
    {{QStringLiteral("Limit"), 0, kHighestByte}, GroupColumn::Limit, &Tanimlamalar::GroupLimit, 0},
    {{QStringLiteral("Bilet Datası"), 1, kLayoutCount}, GroupColumn::Layout, &Tanimlamalar::GroupLayout, 1},
}};

const ColumnRule kGroupNumberColumn{QStringLiteral("Buton No"), 1, kGroupCount};
const ColumnRule kTerminalColumn{QStringLiteral("Terminal"), 1, kTerminalCount};
const ColumnRule kSlotColumn{QStringLiteral("Sıra"), 1, kSlotCount};
const ColumnRule kSlotGroupColumn{QStringLiteral("Grup"), 0, kSelectableGroups};
const ColumnRule kSlotCountColumn{QStringLiteral("Sayı"), 0, kHighestCount, true};

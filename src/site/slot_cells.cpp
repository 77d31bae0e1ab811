#include "site/slot_cells.h"

#include "site/sheet_messages.h"
#include "site/site_columns.h"
#include "site/site_tables.h"

#include <QRegularExpression>

namespace {

const QChar kSeparator = QLatin1Char('/');

bool isPairs(const QList<QStringList> &block)
{
    bool filled = false;
    for (const QStringList &row : block) {
        if (row.size() % 2 != 0)
            return false;
        for (const QString &cell : row) {
            if (cell.contains(kSeparator))
                return false;
            filled = filled || !cell.trimmed().isEmpty();
        }
    }
    return filled;
}

QString slotCellOfPair(const QString &group, const QString &count)
{
    if (looksLikeDate(group))
        return group;
    if (looksLikeDate(count))
        return count;
    const bool noGroup = group.trimmed().isEmpty() || kSlotGroupColumn.value(group) == 0;
    if (noGroup && count.trimmed().isEmpty())
        return {};
    return QStringLiteral("%1/%2").arg(noGroup ? QStringLiteral("0") : group.trimmed(), count.trimmed());
}

}  // namespace

std::optional<QString> writeSlotCell(Tanimlamalar &model, int terminal, int slot, const QString &text)
{
    const QString cell = slotCellName(terminal, slot);
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        model.PriorityGroup[terminal][slot] = 0;
        return std::nullopt;
    }
    if (looksLikeDate(trimmed))
        return withHint(cellRefusal(cell, text, kSlotCellForm), kDateCellHint);
    const QStringList halves = trimmed.split(kSeparator);
    if (halves.size() != 2)
        return cellRefusal(cell, text, kSlotCellForm);
    const std::optional<int16_t> group = kSlotGroupColumn.value(halves[0]);
    if (!group)
        return cellRefusal(cell, text, namedRange(kSlotGroupColumn));
    const std::optional<int16_t> count = kSlotCountColumn.value(halves[1]);
    if (!count)
        return cellRefusal(cell, text, namedRange(kSlotCountColumn));
    model.PriorityGroup[terminal][slot] = *group;
    model.PriorityCount[terminal][slot] = *count;
    return std::nullopt;
}

bool looksLikeDate(const QString &text)
{
    // Day, month and year in any order and with any of the separators spreadsheets use; or a
    // day and a month's name (Turkish or English), as "3/10" becomes under a short format.
    static const QRegularExpression numeric(QStringLiteral("^\\d{1,4}([./-])\\d{1,2}\\1\\d{1,4}$"));
    static const QRegularExpression named(QStringLiteral("^(\\d{1,4}[-. ]?(%1)\\p{L}*\\.?|(%1)\\p{L}*[-. ]\\d{1,4})$")
                                              .arg(QStringLiteral("oca|şub|mar|nis|may|haz|tem|ağu|eyl|eki|kas|ara|"
                                                                  "jan|feb|apr|jun|jul|aug|sep|oct|nov|dec")),
                                          QRegularExpression::CaseInsensitiveOption);
    const QString trimmed = text.trimmed();
    return numeric.match(trimmed).hasMatch() || named.match(trimmed).hasMatch();
}

std::optional<QList<QStringList>> slotCellsOfPairs(const QList<QStringList> &block)
{
    if (!isPairs(block))
        return std::nullopt;
    QList<QStringList> cells;
    for (const QStringList &row : block) {
        QStringList slotRow;
        for (qsizetype i = 0; i < row.size(); i += 2)
            slotRow << slotCellOfPair(row[i], row[i + 1]);
        cells << slotRow;
    }
    return cells;
}

QStringList slotPair(const Tanimlamalar &model, int terminal, int slot)
{
    const int16_t group = model.PriorityGroup[terminal][slot];
    if (group == 0)
        return {QString(), QString()};
    const QStringList halves = slotText(group, model.PriorityCount[terminal][slot]).split(kSeparator);
    return {halves.value(0), halves.value(1)};
}

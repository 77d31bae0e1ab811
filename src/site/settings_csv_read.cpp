#include "site/settings_csv.h"

#include "site/csv_rows.h"
#include "site/site_columns.h"

#include <QHash>

#include <algorithm>

namespace {

bool isBlank(const QStringList &fields)
{
    return std::all_of(fields.begin(), fields.end(), [](const QString &f) { return f.isEmpty(); });
}

// Reads the rows into a copy of the model, which the caller takes only when every row was read.
class CsvImport {
public:
    explicit CsvImport(const Tanimlamalar &model) : copy_(model) {}

    std::optional<CsvRefusal> row(int line, const QStringList &fields);
    std::optional<CsvRefusal> finish() const;
    const Tanimlamalar &result() const { return copy_; }

private:
    enum class Table { None, Groups, Slots };

    std::optional<CsvRefusal> header(Table table, const QList<const ColumnRule *> &columns);
    std::optional<CsvRefusal> groupRow();
    std::optional<CsvRefusal> slotRow();
    std::optional<CsvRefusal> read(const QList<const ColumnRule *> &columns, QList<int16_t> &values) const;
    std::optional<CsvRefusal> once(QHash<int, int> &lines, int key, const ColumnRule &column, const QString &what);

    Tanimlamalar copy_;
    Table table_ = Table::None;
    QHash<QString, qsizetype> positions_;
    QHash<int, int> groupLines_;  // group → the line that gave it
    QHash<int, int> slotLines_;   // terminal * kSlotCount + slot → the line that gave it
    int line_ = 0;
    QStringList fields_;
};

QList<const ColumnRule *> groupColumns()
{
    QList<const ColumnRule *> columns{&kGroupNumberColumn};
    for (const GroupValue &v : kGroupValues)
        columns.append(&v.rule);
    return columns;
}

QList<const ColumnRule *> slotColumns()
{
    return {&kTerminalColumn, &kSlotColumn, &kSlotGroupColumn, &kSlotCountColumn};
}

std::optional<CsvRefusal> CsvImport::row(int line, const QStringList &fields)
{
    line_ = line;
    fields_ = fields;
    if (isBlank(fields))
        return std::nullopt;
    if (fields.contains(kGroupNumberColumn.name))
        return header(Table::Groups, groupColumns());
    if (fields.contains(kTerminalColumn.name))
        return header(Table::Slots, slotColumns());
    switch (table_) {
    case Table::Groups:
        return groupRow();
    case Table::Slots:
        return slotRow();
    case Table::None:
        break;
    }
    return CsvRefusal{line, kGroupNumberColumn.name, QString(), QString()};
}

std::optional<CsvRefusal> CsvImport::finish() const
{
    if (table_ == Table::None)
        return CsvRefusal{1, kGroupNumberColumn.name, QString(), QString()};
    return std::nullopt;
}

std::optional<CsvRefusal> CsvImport::header(Table table, const QList<const ColumnRule *> &columns)
{
    positions_.clear();
    for (const ColumnRule *column : columns) {
        const qsizetype position = fields_.indexOf(column->name);
        if (position < 0)
            return CsvRefusal{line_, column->name, QString(), QString()};
        positions_.insert(column->name, position);
    }
    table_ = table;
    return std::nullopt;
}

std::optional<CsvRefusal> CsvImport::read(const QList<const ColumnRule *> &columns, QList<int16_t> &values) const
{
    for (const ColumnRule *column : columns) {
        const QString text = fields_.value(positions_.value(column->name));
        const std::optional<int16_t> value = column->value(text);
        if (!value)
            return CsvRefusal{line_, column->name, text, column->allowed()};
        values.append(*value);
    }
    return std::nullopt;
}

// A second row for the same group or slot: which of the two was meant cannot be told.
std::optional<CsvRefusal> CsvImport::once(QHash<int, int> &lines, int key, const ColumnRule &column,
                                          const QString &what)
{
    const int first = lines.value(key);
    if (first > 0)
        return CsvRefusal{line_, column.name, what, QString(), first};
    lines.insert(key, line_);
    return std::nullopt;
}

std::optional<CsvRefusal> CsvImport::groupRow()
{
    QList<int16_t> values;
    if (auto refusal = read(groupColumns(), values))
        return refusal;
    const int g = values[0] - 1;
    if (auto refusal = once(groupLines_, g, kGroupNumberColumn, QString::number(g + 1)))
        return refusal;
    for (size_t i = 0; i < kGroupValues.size(); ++i)
        (copy_.*kGroupValues[i].values)[g] = int16_t(values[qsizetype(i) + 1] - kGroupValues[i].shownOffset);
    copy_.GroupEnableCopy[g] = copy_.GroupEnable[g];
    return std::nullopt;
}

std::optional<CsvRefusal> CsvImport::slotRow()
{
    QList<int16_t> values;
    if (auto refusal = read(slotColumns(), values))
        return refusal;
    const int t = values[0] - 1;
    const int s = values[1] - 1;
    if (auto refusal = once(slotLines_, t * kSlotCount + s, kSlotColumn,
                            QStringLiteral("%1. Terminal, %2. Sıra").arg(t + 1).arg(s + 1)))
        return refusal;
    copy_.PriorityGroup[t][s] = values[2];
    copy_.PriorityCount[t][s] = values[3];
    return std::nullopt;
}

}  // namespace

std::optional<CsvRefusal> readSettingsCsv(const QByteArray &csv, Tanimlamalar &model)
{
    CsvImport import(model);
    const QList<QStringList> rows = csvRows(csv);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (auto refusal = import.row(int(i) + 1, rows[i]))
            return refusal;
    }
    if (auto refusal = import.finish())
        return refusal;
    model = import.result();
    return std::nullopt;
}

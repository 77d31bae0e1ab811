#pragma once

#include "config/tanimlamalar.h"
#include "site/site_tables.h"

#include <QString>

#include <array>
#include <optional>

// The columns the comparison and the CSV name, with the values an operator may give in them.

struct ColumnRule {
    QString name;  // the column's header
    int lowest;
    int highest;
    bool takesMax = false;  // "MAX" stands for kMaxCount
    // "0..999", "0..254 ya da MAX"
    QString allowed() const;
    // The value of a field in this column; none for a value out of range, a word or nothing.
    std::optional<int16_t> value(const QString &text) const;
};

// A group value as the group table shows it.
struct GroupValue {
    ColumnRule rule;
    int column = 0;  // GroupColumn
    GroupArray Tanimlamalar::*values = nullptr;
    int shownOffset = 0;  // the layout is shown from 1
};

// In the group table's order, from "Durum" to "Bilet Datası".
extern const std::array<GroupValue, 7> kGroupValues;

// The columns that name a CSV row, and a slot's two values.
extern const ColumnRule kGroupNumberColumn;
extern const ColumnRule kTerminalColumn;
extern const ColumnRule kSlotColumn;
extern const ColumnRule kSlotGroupColumn;
extern const ColumnRule kSlotCountColumn;

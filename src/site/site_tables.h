#pragma once

#include "config/tanimlamalar.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// The site at a glance: the texts of the two tables that the overview window and the report
// show, one row per group and one per terminal.

// The group table's columns, in order.
namespace GroupColumn {
constexpr int Group = 0;  // "1. Buton" .. "32. Buton"
constexpr int Enabled = 1;
constexpr int Start = 2;
constexpr int End = 3;
constexpr int LastCalled = 4;
constexpr int LastIssued = 5;
constexpr int Limit = 6;
constexpr int Layout = 7;
constexpr int Count = 8;
}  // namespace GroupColumn

// The terminal table: column 0 names the terminal, column 1 + s shows slot s (s = 0..15).
namespace TerminalColumn {
constexpr int Terminal = 0;
constexpr int FirstSlot = 1;
constexpr int Count = FirstSlot + kPanelSlotCount;
}  // namespace TerminalColumn

struct SiteTable {
    QStringList headers;
    QList<QStringList> rows;
};

// 32 rows: "Buton No", "Durum", "Başlangıç", "Bitiş", "Son Çağrılan", "Son Bilet", "Limit",
// "Bilet Datası".
SiteTable groupTable(const Tanimlamalar &model);
// 64 rows: "Terminal", then "1" .. "16" for the panel's slots.
SiteTable terminalTable(const Tanimlamalar &model);

// One slot as "grup/sayı": "3/10", "3/MAX"; empty for "Yok" (group 0).
QString slotText(int16_t group, int16_t count);
// A group's value in its column as the tables show it.
QString groupCell(const Tanimlamalar &model, int group, int column);

// What the report says of the site besides its tables.
struct ReportFacts {
    QDateTime when;
    QString settingsFile;  // as the operator knows it
    SiteTable lastSends;   // the last complete send of each kind; no rows when none is recorded
};

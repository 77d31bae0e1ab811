#pragma once

#include "config/number_conversions.h"
#include "config/tanimlamalar.h"

#include <QString>

// The fixed layout of the settings file: 4599 lines, each a comment, the COM port text or
// one model value. The reader and the writer both walk this one description, so they
// cannot disagree on a line's position.

constexpr int kSettingsLineCount = 4599;

// One per-terminal table: each terminal's heading, its slots' values and a blank line.
template <typename Visitor, typename Table>
bool walkPriorityTable(Visitor &visitor, const char *headerText, Table &table)
{
    for (int t = 0; t < kTerminalCount; ++t) {
        if (!visitor.comment(FormatSigned(t + 1) + QString::fromUtf8(headerText)))
            return false;
        for (int s = 0; s < kSlotCount; ++s) {
            if (!visitor.value(table[t][s]))
                return false;
        }
        if (!visitor.comment(QString()))
            return false;
    }
    return true;
}

// Visitor must provide:
//   bool comment(const QString &text);
//   bool portText(Text &text);                       Text is QString or const QString
//   bool value(Value &v);
//   bool enable(Value &v, Value &copy);              an enable line fills both entries
// Each call returns false to stop the walk.
template <typename Model, typename Visitor>
bool walkSettingsLayout(Model &m, Visitor &visitor)
{
    auto groupValues = [&](auto &array) {
        for (int g = 0; g < kGroupCount; ++g) {
            if (!visitor.value(array[g]))
                return false;
        }
        return true;
    };
    auto groupBlock = [&](const char *title, auto &array) {
        return visitor.comment(QString()) && visitor.comment(QString::fromUtf8(title)) && groupValues(array);
    };
    auto priorityTable = [&](const char *headerText, auto &table) {
        return walkPriorityTable(visitor, headerText, table);
    };

    if (!(visitor.comment(QStringLiteral("Zemra Ruvozivira Ltd")) &&
          visitor.comment(QStringLiteral("ZEMRA Bilvex Polynet Ver 3.04")) && visitor.comment(QString()) &&
          visitor.comment(QStringLiteral("Haberleşme Comport no:")) && visitor.portText(m.Text4) &&
          visitor.comment(QString()) && visitor.comment(QStringLiteral("Limit Var-Yok:")) &&
          groupValues(m.GroupLimit) && visitor.comment(QString()) &&
          visitor.comment(QStringLiteral("Saat Çipi Seçimi: (1=PCF8583, 0=DS1307)")) && visitor.value(m.ClockChip) &&
          visitor.comment(QString()) &&
          visitor.comment(QStringLiteral("Gruplar için Enable-Disable bilgisi. 100=Enabled, 0=Disabled"))))
        return false;
    for (int g = 0; g < kGroupCount; ++g) {
        if (!visitor.enable(m.GroupEnable[g], m.GroupEnableCopy[g]))
            return false;
    }
    return groupBlock("Gruplar için Baslangıç Sayısı bilgileri", m.GroupStart) &&
           groupBlock("Gruplar için Bitiş Sayısı bilgileri", m.GroupEnd) &&
           groupBlock("Gruplar için Son Çağırılan Numara bilgileri", m.GroupLastCalled) &&
           groupBlock("Gruplar için Son Verilen Bilet Numarası bilgileri", m.GroupLastIssued) &&
           groupBlock("Gruplar için Bilet Layout Data Numarası bilgileri", m.GroupLayout) &&
           visitor.comment(QString()) &&
           priorityTable(". Terminal için sırasıyla öncelikli grup numaları", m.PriorityGroup) &&
           priorityTable(". Terminal için sırasıyla önceliklendirme sayıları", m.PriorityCount);
}

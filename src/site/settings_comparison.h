#pragma once

#include "config/tanimlamalar.h"

#include <QList>
#include <QString>

// Where the shown settings differ from another settings file's.
struct SettingsDifference {
    enum class Table { General, Groups, Terminals };
    Table table;
    int row = -1;     // group 0..31 or terminal 0..63; -1 for General
    int column = -1;  // the cell's column (GroupColumn, TerminalColumn); -1 where no cell shows
                      // it: the COM port, the clock chip, slots 16..31
    // "Grup 3 Başlangıç: 100 → 150": the other file's value, then the shown one.
    QString line;
};

// Every value the settings file stores, compared: the COM port text, the clock chip, each
// group's values, and every terminal's 32 slots. General first, then groups, then terminals.
QList<SettingsDifference> compareSettings(const Tanimlamalar &shown, const Tanimlamalar &other);

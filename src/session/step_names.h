#pragma once

#include "config/stored_settings.h"

#include <QString>

// What an edit changed, as the undo and redo commands name it: "3. Buton Başlangıç Sayısı",
// "5. Terminal, 3. Öncelik". `key` tells one value from another, so that clicks on the same
// stepper can be taken together; it is empty where several values changed.
struct StepName {
    QString name;
    QString key;
};

StepName stepName(const StoredSettings &before, const StoredSettings &after);

// The names of the steps that change many values at once.
QString copyStepName(int source, int targets);
QString csvImportStepName();
QString restoreStepName();

// The overview's actions over several cells, named with the cells they write: "12 hücreye
// yapıştırma". A single cell's step is named as the cell ("5. Terminal, 3. Öncelik").
enum class SheetAction { Paste, Clear, FillDown };
QString sheetStepName(SheetAction action, qsizetype cells);

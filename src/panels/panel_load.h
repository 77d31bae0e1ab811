#pragma once

#include "config/tanimlamalar.h"

#include <QString>

#include <array>
#include <optional>

// What filling the two panels from the model puts into their controls. A stored value
// that a selector cannot show gives the position -1: the selector then shows no entry.

struct SlotLoad {
    int position = 0;  // Buton_Listesi_Combo
    QString count;     // txtOncelikSayisi
};

struct GroupLoad {
    QString start, end, lastCalled, lastIssued;
    std::optional<bool> enabled;  // no value: the check box keeps its state
    std::optional<bool> limit;    // likewise
    int layoutPosition = 0;       // Bilet_Data_Combo
    int clockPosition = 0;        // Saat_Cipi_Combo
};

// "MAX" for the count 255, otherwise the count with a blank before it (" 5").
QString countText(int16_t count);
int listPosition(int value, int entries);

std::array<SlotLoad, kPanelSlotCount> terminalLoad(const Tanimlamalar &model, int terminal);
GroupLoad groupLoad(const Tanimlamalar &model, int group);

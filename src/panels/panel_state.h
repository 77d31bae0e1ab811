#pragma once

#include <QString>

#include <array>

// What the two panels of the main window show, as the capture reads it.
// A selection of -1 means the selector has no entry selected.
enum class CheckState { Unticked, Ticked, Grey };

struct PanelState {
    int terminal = 0;                            // Terminal_No_Combo position
    std::array<int, 16> slotGroup{};             // Buton_Listesi_Combo positions
    std::array<QString, 16> slotCount{};         // txtOncelikSayisi texts
    int group = 0;                               // Buton_No_Combo position
    QString start, end, lastCalled, lastIssued;  // txtBaslangic, txtBitis, txtSuan, txtPrinter
    CheckState enable = CheckState::Unticked;    // Buton_Enable
    CheckState limit = CheckState::Unticked;     // Limit_Check
    int layout = 0;                              // Bilet_Data_Combo position
};

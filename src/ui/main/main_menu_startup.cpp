#include "main_menu.h"

#include "serial_port.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

void clearPriorityTables(Tanimlamalar &model)
{
    for (int t = 0; t < kTerminalCount; ++t) {
        for (int s = 0; s < kSlotCount; ++s) {
            model.PriorityGroup[t][s] = 0;
            model.PriorityCount[t][s] = 0;
        }
    }
}

}  // namespace

// The window's load. The selections it makes while FormLoading is set are not taken as
// edits; only the clock chip selector, which does not look at the flag, sets ClockChip.
StartDecision Main_Menu::Form_Load()
{
    model_.ImagesBuilt = false;
    model_.FormLoading = true;
    model_.PanelLoading = false;
    clearPriorityTables(model_);
    selectEntry(c_.Terminal_No_Combo, 0);
    selectEntry(c_.Buton_No_Combo, 0);
    selectEntry(c_.Bilet_Data_Combo, 0);
    selectEntry(c_.Saat_Cipi_Combo, 0);
    model_.ClockChip = 0;
    model_.CurrentTransferMode = TransferMode::None;
    for (const PriorityRow &row : c_.rows)
        selectEntry(row.Buton_Listesi_Combo, 0);

    if (dosyadan_oku(model_, dialogs_) == StartDecision::EndApplication)
        return StartDecision::EndApplication;
    c_.Text4->setText(model_.Text4);

    if (port_.openAtStartup(model_.Text4, dialogs_) == StartDecision::EndApplication)
        return StartDecision::EndApplication;
    model_.FormLoading = false;
    Terminal_Yukle();
    Update_data();
    c_.Text4->setFocus();
    return StartDecision::Continue;
}

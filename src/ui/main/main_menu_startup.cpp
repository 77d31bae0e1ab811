#include "main_menu.h"

#include <QComboBox>
#include <QLineEdit>

// The window's load. The selections it makes while FormLoading is set are not taken as
// edits; only the clock chip selector, which does not look at the flag, sets ClockChip.
StartDecision Main_Menu::Form_Load()
{
    model_.ImagesBuilt = false;
    model_.FormLoading = true;
    model_.PanelLoading = false;
    selectEntry(c_.Terminal_No_Combo, 0);
    selectEntry(c_.Buton_No_Combo, 0);
    selectEntry(c_.Bilet_Data_Combo, 0);
    selectEntry(c_.Saat_Cipi_Combo, 0);
    model_.ClockChip = kClockChipDs1307;
    model_.CurrentTransferMode = TransferMode::None;
    for (const PriorityRow &row : c_.rows)
        selectEntry(row.Buton_Listesi_Combo, 0);

    // The session clears the priority tables, reads the settings file and opens the port.
    if (session_.start() == StartDecision::EndApplication)
        return StartDecision::EndApplication;
    c_.Text4->setText(model_.Text4);
    model_.FormLoading = false;
    Terminal_Yukle();
    Update_data();
    c_.Text4->setFocus();
    return StartDecision::Continue;
}

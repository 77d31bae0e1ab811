#include "main_menu.h"

#include "com_port_frame.h"
#include "group_panel.h"
#include "terminal_panel.h"

// The window's load. The selections it makes while FormLoading is set are not taken as
// edits; only the clock chip selector, which does not look at the flag, sets ClockChip.
StartDecision Main_Menu::Form_Load()
{
    model_.ImagesBuilt = false;
    model_.FormLoading = true;
    model_.PanelLoading = false;
    terminalPanel_->selectFirstTerminal();
    groupPanel_->selectFirstEntries();
    clicks_.selectEntry(Saat_Cipi_Combo, 0);
    model_.ClockChip = kClockChipDs1307;
    model_.CurrentTransferMode = TransferMode::None;
    terminalPanel_->selectNoGroupInEverySlot();

    // The session clears the priority tables, reads the settings file and opens the port.
    if (session_.start() == StartDecision::EndApplication)
        return StartDecision::EndApplication;
    comPortFrame_->load();
    model_.FormLoading = false;
    Terminal_Yukle();
    Update_data();
    // What the load itself captured is no step to undo.
    document_.startHistory();
    comPortFrame_->focusPortNumber();
    return StartDecision::Continue;
}

#include "main_menu.h"

#include "panel_load.h"
#include "priority_steppers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

void Main_Menu::connectTerminalPanel()
{
    onClick(c_.Terminal_No_Combo, [this] { Terminal_No_Combo_Click(); });
    for (int s = 0; s < kPanelSlotCount; ++s) {
        const PriorityRow &row = c_.rows[s];
        onClick(row.Buton_Listesi_Combo, [this, s] { Buton_Listesi_Combo_Click(s); });
        connect(row.Eksi_50, &QPushButton::clicked, this, [this, s] { Eksi_50_Click(s); });
        connect(row.Eksi, &QPushButton::clicked, this, [this, s] { Eksi_Click(s); });
        connect(row.Arti, &QPushButton::clicked, this, [this, s] { Arti_Click(s); });
        connect(row.Arti_50, &QPushButton::clicked, this, [this, s] { Arti_50_Click(s); });
    }
}

void Main_Menu::Terminal_Yukle()
{
    loadTerminal();
    loadGroup();
}

void Main_Menu::loadTerminal()
{
    const int t = c_.Terminal_No_Combo->currentIndex();
    if (t < 0)
        return;
    const auto loads = terminalLoad(model_, t);
    for (int s = 0; s < kPanelSlotCount; ++s) {
        const PriorityRow &row = c_.rows[s];
        model_.PanelLoading = true;
        selectEntry(row.Buton_Listesi_Combo, loads[s].position);
        model_.PanelLoading = false;
        row.Buton_Listesi_Combo->setEnabled(true);
        row.txtOncelikSayisi->setText(loads[s].count);
    }
}

void Main_Menu::Terminal_No_Combo_Click()
{
    if (loading())
        return;
    Terminal_Yukle();
}

void Main_Menu::Buton_Listesi_Combo_Click(int)
{
    if (loading())
        return;
    Update_data();
}

void Main_Menu::Arti_Click(int slot)
{
    stepCount(slot, kStepUpOne);
}

void Main_Menu::Arti_50_Click(int slot)
{
    stepCount(slot, kStepUpFifty);
}

void Main_Menu::Eksi_Click(int slot)
{
    stepCount(slot, kStepDownOne);
}

void Main_Menu::Eksi_50_Click(int slot)
{
    stepCount(slot, kStepDownFifty);
}

// Not gated: a stepper is only ever clicked by the operator, and it captures even when
// its rule changed nothing.
void Main_Menu::stepCount(int slot, int step)
{
    QLineEdit *box = c_.rows[slot].txtOncelikSayisi;
    const StepResult result = stepPriorityCount(box->text(), step);
    if (result.message)
        dialogs_.inform(*result.message);
    if (result.text)
        box->setText(*result.text);
    Update_data();
}

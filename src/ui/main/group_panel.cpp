#include "main_menu.h"

#include "panel_load.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

void Main_Menu::connectGroupPanel()
{
    onClick(c_.Buton_No_Combo, [this] { Buton_No_Combo_Click(); });
    onClick(c_.Buton_Enable, [this] { Buton_Enable_Click(); });
    onClick(c_.Limit_Check, [this] { Limit_Check_Click(); });
    onClick(c_.Bilet_Data_Combo, [this] { Bilet_Data_Combo_Click(); });
    for (int i = 0; i < kNumberBoxCount; ++i) {
        const NumberRow &row = c_.numbers[i];
        const auto box = static_cast<NumberBox>(i);
        connect(row.eksi50, &QPushButton::clicked, this, [this, box] { Stepper_Click(box, kStepDownFifty); });
        connect(row.eksi, &QPushButton::clicked, this, [this, box] { Stepper_Click(box, kStepDownOne); });
        connect(row.arti, &QPushButton::clicked, this, [this, box] { Stepper_Click(box, kStepUpOne); });
        connect(row.arti50, &QPushButton::clicked, this, [this, box] { Stepper_Click(box, kStepUpFifty); });
    }
    connect(c_.Reset, &QPushButton::clicked, this, [this] { Reset_Click(); });
}

// The group half of Terminal_Yukle. The check boxes change with PanelLoading set, so their
// handlers stay out; the layout selector's handler runs as for an operator's choice and
// captures the freshly loaded panel.
void Main_Menu::loadGroup()
{
    const int g = c_.Buton_No_Combo->currentIndex();
    if (g < 0)
        return;
    const GroupLoad load = groupLoad(model_, g);
    c_.numberBox(NumberBox::Baslangic)->setText(load.start);
    c_.numberBox(NumberBox::Bitis)->setText(load.end);
    c_.numberBox(NumberBox::Suan)->setText(load.lastCalled);
    c_.numberBox(NumberBox::Printer)->setText(load.lastIssued);
    if (load.enabled) {
        model_.PanelLoading = true;
        setTicked(c_.Buton_Enable, *load.enabled);
        c_.Buton_Enable->setText(enableCaption(*load.enabled));
        setEnableRow(*load.enabled);
        model_.PanelLoading = false;
    }
    if (load.limit) {
        model_.PanelLoading = true;
        setTicked(c_.Limit_Check, *load.limit);
        c_.Limit_Check->setText(limitCaption(*load.limit));
        model_.PanelLoading = false;
    }
    selectEntry(c_.Bilet_Data_Combo, load.layoutPosition);
    selectEntry(c_.Saat_Cipi_Combo, load.clockPosition);
}

void Main_Menu::setEnableRow(bool enabled)
{
    for (const QString &name : enableRowNames())
        findChild<QWidget *>(name)->setEnabled(enabled);
}

void Main_Menu::Buton_No_Combo_Click()
{
    if (loading())
        return;
    Terminal_Yukle();
}

void Main_Menu::Buton_Enable_Click()
{
    if (loading())
        return;
    const bool ticked = c_.Buton_Enable->isChecked();
    c_.Buton_Enable->setText(enableCaption(ticked));
    setEnableRow(ticked);
    Update_data();
}

void Main_Menu::Limit_Check_Click()
{
    if (loading())
        return;
    c_.Limit_Check->setText(limitCaption(c_.Limit_Check->isChecked()));
    Update_data();
}

void Main_Menu::Bilet_Data_Combo_Click()
{
    if (loading())
        return;
    Update_data();
}

void Main_Menu::Stepper_Click(NumberBox box, int step)
{
    QLineEdit *edit = c_.numberBox(box);
    const StepResult result = stepGroupNumber(box, edit->text(), step);
    if (result.message)
        dialogs_.inform(*result.message);
    if (result.text)
        edit->setText(*result.text);
    Update_data();
}

// The group's numbering starts again at its first number.
void Main_Menu::Reset_Click()
{
    const QString start = c_.numberBox(NumberBox::Baslangic)->text();
    c_.numberBox(NumberBox::Suan)->setText(start);
    c_.numberBox(NumberBox::Printer)->setText(start);
    Update_data();
}

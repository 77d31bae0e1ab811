#pragma once

#include "group_steppers.h"
#include "tanimlamalar.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// One row of the terminal priority panel: the control-array members of one index.
struct PriorityRow {
    QLabel *label;
    QComboBox *Buton_Listesi_Combo;
    QPushButton *Eksi_50;
    QPushButton *Eksi;
    QLineEdit *txtOncelikSayisi;
    QPushButton *Arti;
    QPushButton *Arti_50;
};

// One number row of the group panel: its box and the four steppers around it.
struct NumberRow {
    QLabel *label;
    QPushButton *eksi50;
    QPushButton *eksi;
    QLineEdit *box;
    QPushButton *arti;
    QPushButton *arti50;
};

struct MainMenuControls {
    QGroupBox *Frame1;
    QLabel *Label2;
    QComboBox *Terminal_No_Combo;
    std::array<PriorityRow, kPanelSlotCount> rows;
    QPushButton *Terminal_Gonder;
    QLabel *Label18;

    QGroupBox *Frame2;
    QLabel *Label12;
    QComboBox *Buton_No_Combo;
    QCheckBox *Buton_Enable;
    QCheckBox *Limit_Check;
    std::array<NumberRow, kNumberBoxCount> numbers;  // indexed by NumberBox
    QPushButton *Reset;
    QLabel *Label17;
    QComboBox *Bilet_Data_Combo;
    QPushButton *Buton_Gonder;
    QLabel *Label19;

    QGroupBox *Frame3;
    QLineEdit *Text4;
    QPushButton *Command2;

    QPushButton *Ticket_Editor;
    QPushButton *cmdKaydet;
    QLabel *Label22;
    QComboBox *Saat_Cipi_Combo;
    QPushButton *cmdTarihSaat;
    QLabel *Label20;

    QLineEdit *numberBox(NumberBox box) const { return numbers[static_cast<int>(box)].box; }
};

// Creates every control of the main window at its place, with names, captions, lists,
// buddies and the keyboard order.
MainMenuControls buildMainMenuLayout(QWidget *window);

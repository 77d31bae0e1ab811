#pragma once

#include "panels/panel_load.h"
#include "ui/panels/click_handlers.h"
#include "ui/panels/group_steppers.h"

#include <QGroupBox>
#include <QList>

#include <array>
#include <optional>

class OperatorDialogs;
class PanelHost;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class UnitSession;
struct PanelState;

// Frame2, the group settings panel: the selected group's enable and limit flags, its four
// ticket numbers with their steppers, its ticket layout, and the button settings transfer.
class GroupPanel : public QGroupBox {
    Q_OBJECT
public:
    GroupPanel(Tanimlamalar &model, OperatorDialogs &dialogs, UnitSession &session, PanelHost &host, QWidget *window);

    // The start-up's selections, made while FormLoading holds the handlers back.
    void selectFirstEntries();
    // The group half of Terminal_Yukle; what it showed, or nothing without a selected group.
    std::optional<GroupLoad> load();
    // This panel's part of what Update_data captures.
    void capture(PanelState &panels) const;
    void showProgress(const QString &caption);
    // The panel's controls in the keyboard's order.
    QList<QWidget *> tabOrder() const;
    // Shows group g as if the operator had chosen it in the selector.
    void choose(int g);

private:
    // One number row: its box and the four steppers around it.
    struct NumberRow {
        QPushButton *eksi50;
        QPushButton *eksi;
        QLineEdit *box;
        QPushButton *arti;
        QPushButton *arti50;
    };
    struct NumberRowPlace;

    void buildControls();
    NumberRow buildNumberRow(const NumberRowPlace &place);
    void connectControls();
    void connectSteppers(const NumberRow &row, NumberBox box);
    QLineEdit *numberBox(NumberBox box) const;
    void showEnable(bool enabled);
    void showLimit(bool limit);
    void setEnableRow(bool enabled);

    void Buton_No_Combo_Click();
    void Buton_Enable_Click();
    void Limit_Check_Click();
    void Bilet_Data_Combo_Click();
    void Stepper_Click(NumberBox box, int step);
    void Reset_Click();
    void Buton_Gonder_Click();

    Tanimlamalar &model_;
    OperatorDialogs &dialogs_;
    UnitSession &session_;
    PanelHost &host_;
    ClickHandlers clicks_;

    QComboBox *Buton_No_Combo = nullptr;
    QCheckBox *Buton_Enable = nullptr;
    QCheckBox *Limit_Check = nullptr;
    std::array<NumberRow, kNumberBoxCount> numbers_{};  // indexed by NumberBox
    QPushButton *Reset = nullptr;
    QComboBox *Bilet_Data_Combo = nullptr;
    QPushButton *Buton_Gonder = nullptr;
    QLabel *Label19 = nullptr;
};

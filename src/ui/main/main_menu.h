#pragma once

#include "editor.h"
#include "main_menu_controls.h"
#include "operator_dialogs.h"
#include "panel_state.h"
#include "start_decision.h"
#include "tanimlamalar.h"
#include "unit_session.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;

// The operator's window: the terminal priority panel, the group settings panel, the COM
// port frame, the clock and editor commands. Transfers run through the session with the unit.
//
// A selection or tick made by code runs the same click handler as the operator's (see
// selectEntry and setTicked); the handlers that would take it for an edit return at once
// while FormLoading or PanelLoading is set.
class Main_Menu : public QWidget {
    Q_OBJECT
public:
    Main_Menu(Tanimlamalar &model, OperatorDialogs &dialogs, UnitSession &session, QWidget *parent = nullptr);
    ~Main_Menu() override;
    Main_Menu(const Main_Menu &) = delete;
    Main_Menu &operator=(const Main_Menu &) = delete;

    // The start-up; EndApplication when the application must end before the window shows.
    StartDecision Form_Load();

    // Fills both panels from the model for the selected terminal and group.
    void Terminal_Yukle();
    // Captures both panels into the model and rebuilds both images.
    void Update_data();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectControls();
    void connectTerminalPanel();
    void connectGroupPanel();
    void connectFreeControls();
    void showProgress(TransferMode kind, const QString &caption) const;

    void onClick(QComboBox *combo, const std::function<void()> &handler);
    void onClick(QCheckBox *box, const std::function<void()> &handler);
    void selectEntry(QComboBox *combo, int position);
    void setTicked(QCheckBox *box, bool ticked);
    bool loading() const;
    PanelState panelState() const;

    // Terminal priority panel
    void Terminal_No_Combo_Click();
    void Buton_Listesi_Combo_Click(int slot);
    void Arti_Click(int slot);
    void Arti_50_Click(int slot);
    void Eksi_Click(int slot);
    void Eksi_50_Click(int slot);
    void stepCount(int slot, int step);
    void loadTerminal();

    // Group settings panel
    void Buton_No_Combo_Click();
    void Buton_Enable_Click();
    void Limit_Check_Click();
    void Bilet_Data_Combo_Click();
    void Stepper_Click(NumberBox box, int step);
    void Reset_Click();
    void loadGroup();
    void setEnableRow(bool enabled);

    // Commands and the controls on the window itself
    void Command2_Click();
    void cmdKaydet_Click();
    void Ticket_Editor_Click();
    void Saat_Cipi_Combo_Click();
    void cmdTarihSaat_Click();
    void Buton_Gonder_Click();
    void Terminal_Gonder_Click();

    Tanimlamalar &model_;
    OperatorDialogs &dialogs_;
    UnitSession &session_;
    MainMenuControls c_{};
    QHash<const QObject *, std::function<void()>> clickHandlers_;
    QPointer<Editor> editor_;
};

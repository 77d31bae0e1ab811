#pragma once

#include "config/tanimlamalar.h"
#include "ui/panels/click_handlers.h"

#include <QGroupBox>
#include <QList>

#include <array>

class OperatorDialogs;
class PanelHost;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class UnitSession;
struct PanelState;

// Frame1, the terminal priority panel: the selected terminal's first 16 priority slots, each
// a group selector and a call count with its steppers, and the terminal settings transfer.
class TerminalPanel : public QGroupBox {
    Q_OBJECT
public:
    TerminalPanel(Tanimlamalar &model, OperatorDialogs &dialogs, UnitSession &session, PanelHost &host,
                  QWidget *window);

    // The start-up's selections, made while FormLoading holds the handlers back.
    void selectFirstTerminal();
    void selectNoGroupInEverySlot();
    // The terminal half of Terminal_Yukle.
    void load();
    // This panel's part of what Update_data captures.
    void capture(PanelState &panels) const;
    void showProgress(const QString &caption);
    // Shows terminal t as if the operator had chosen it in the selector.
    void choose(int t);
    // The panel's controls in the keyboard's order.
    QList<QWidget *> tabOrder() const;

private:
    // The control-array members of one index.
    struct PriorityRow {
        QComboBox *Buton_Listesi_Combo;
        QPushButton *Eksi_50;
        QPushButton *Eksi;
        QLineEdit *txtOncelikSayisi;
        QPushButton *Arti;
        QPushButton *Arti_50;
    };

    void buildControls();
    PriorityRow buildRow(int slot, const QStringList &entries);
    void connectControls();

    void Terminal_No_Combo_Click();
    void Buton_Listesi_Combo_Click(int slot);
    void Arti_Click(int slot);
    void Arti_50_Click(int slot);
    void Eksi_Click(int slot);
    void Eksi_50_Click(int slot);
    void stepCount(int slot, int step);
    void Terminal_Gonder_Click();
    void copyListClick();

    Tanimlamalar &model_;
    OperatorDialogs &dialogs_;
    UnitSession &session_;
    PanelHost &host_;
    ClickHandlers clicks_;

    QComboBox *Terminal_No_Combo = nullptr;
    std::array<PriorityRow, kPanelSlotCount> rows_{};
    QPushButton *Terminal_Gonder = nullptr;
    QLabel *Label18 = nullptr;
    QPushButton *copyList_ = nullptr;  // "Kopyala…", left of the transfer's progress
};

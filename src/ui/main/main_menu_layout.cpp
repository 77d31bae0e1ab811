#include "main_menu_controls.h"

#include "layout_panels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The keyboard visits the COM port frame first, then the group panel, the free controls
// and the terminal panel.
QList<QWidget *> tabOrder(const MainMenuControls &c)
{
    QList<QWidget *> order{c.Text4, c.Command2, c.Buton_No_Combo, c.Buton_Enable, c.Limit_Check};
    for (const NumberRow &row : c.numbers)
        order << row.eksi50 << row.eksi << row.box << row.arti << row.arti50;
    order << c.Reset << c.Bilet_Data_Combo << c.Buton_Gonder;
    order << c.Ticket_Editor << c.cmdKaydet << c.Saat_Cipi_Combo << c.cmdTarihSaat;
    order << c.Terminal_No_Combo;
    for (const PriorityRow &row : c.rows)
        order << row.Buton_Listesi_Combo << row.Eksi_50 << row.Eksi << row.txtOncelikSayisi << row.Arti << row.Arti_50;
    order << c.Terminal_Gonder;
    return order;
}

}  // namespace

MainMenuControls buildMainMenuLayout(QWidget *window)
{
    MainMenuControls controls{};
    buildTerminalPanel(window, controls);
    buildGroupPanel(window, controls);
    buildFreeControls(window, controls);
    const QList<QWidget *> order = tabOrder(controls);
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    return controls;
}

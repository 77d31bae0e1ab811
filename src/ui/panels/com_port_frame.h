#pragma once

#include "config/tanimlamalar.h"
#include "session/unit_session.h"

#include <QGroupBox>
#include <QList>

class OperatorDialogs;
class QLineEdit;
class QPushButton;

// Frame3, the COM port frame: the port number the next start opens, the command that
// saves it, and the picker that finds the adapter behind a number.
class ComPortFrame : public QGroupBox {
    Q_OBJECT
public:
    ComPortFrame(Tanimlamalar &model, OperatorDialogs &dialogs, UnitSession &session, QWidget *window);

    // Shows the port number that the settings file gave the model.
    void load();
    void focusPortNumber();
    // The frame's controls in the keyboard's order.
    QList<QWidget *> tabOrder() const;

private:
    void Command2_Click();
    void Port_Sec_Click();
    QList<PortRow> listPorts() const;

    Tanimlamalar &model_;
    OperatorDialogs &dialogs_;
    UnitSession &session_;

    QLineEdit *Text4 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Port_Sec = nullptr;
};

#pragma once

#include "tanimlamalar.h"

#include <QGroupBox>
#include <QList>

class OperatorDialogs;
class QLineEdit;
class QPushButton;

// Frame3, the COM port frame: the port number the next start opens, and the command that
// saves it.
class ComPortFrame : public QGroupBox {
    Q_OBJECT
public:
    ComPortFrame(Tanimlamalar &model, OperatorDialogs &dialogs, QWidget *window);

    // Shows the port number that the settings file gave the model.
    void load();
    void focusPortNumber();
    // The frame's controls in the keyboard's order.
    QList<QWidget *> tabOrder() const;

private:
    void Command2_Click();

    Tanimlamalar &model_;
    OperatorDialogs &dialogs_;

    QLineEdit *Text4 = nullptr;
    QPushButton *Command2 = nullptr;
};

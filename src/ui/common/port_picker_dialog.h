#pragma once

#include "ports/port_choice.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

// Lists the machine's serial ports, one row each, with whether this user can open them
// now and which one COM n names today; "Yenile" lists them again.
class PortPickerDialog : public QDialog {
    Q_OBJECT
public:
    using RowSource = std::function<QList<PortRow>()>;
    explicit PortPickerDialog(RowSource listPorts, QWidget *parent = nullptr);

    // The port of the chosen row once the operator confirmed; none otherwise.
    std::optional<PortDescription> chosenPort() const;

private:
    void refill();
    void fillRow(int row, const PortRow &port);

    RowSource listPorts_;
    QList<PortRow> rows_;
    QTableWidget *table_ = nullptr;
    QLabel *empty_ = nullptr;
    QPushButton *choose_ = nullptr;
};

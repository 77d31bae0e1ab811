#pragma once

#include "config/tanimlamalar.h"

#include <QDialog>
#include <QList>

#include <array>

class QCheckBox;

// "Kopyala…": the shown terminal's 16 priority rows, and a check box for every terminal
// that is to get them.
class CopyListDialog : public QDialog {
    Q_OBJECT
public:
    CopyListDialog(const Tanimlamalar &model, int source, QWidget *parent);

    // The terminals ticked (0..63), in order.
    QList<int> chosenTerminals() const;

private:
    QWidget *sourceRows(const Tanimlamalar &model, int source);
    QWidget *terminalBoxes(int source);
    void tickAll(bool ticked);

    std::array<QCheckBox *, kTerminalCount> boxes_{};
};

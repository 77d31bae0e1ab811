#pragma once

#include "session/operator_dialogs.h"
#include "session/site_document.h"

#include <QDialog>
#include <QList>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// "Yedekler": the open file's earlier versions, newest first, each with the number of values
// that differ from the site as it is now. One is brought back into the site as an undo step,
// or its differences listed; nothing is written until a save.
class BackupsDialog : public QDialog {
    Q_OBJECT
public:
    BackupsDialog(SiteDocument &document, OperatorDialogs &dialogs, QWidget *parent);

private:
    QWidget *buildButtons();
    void fill();
    int chosenRow() const;
    void restoreChosen();
    void showDifferences();
    void openFolder();

    SiteDocument &document_;
    OperatorDialogs &dialogs_;
    QList<BackupCopy> copies_;
    QTableWidget *table_ = nullptr;
    QListWidget *differences_ = nullptr;
    QLabel *differencesOf_ = nullptr;
    QPushButton *restore_ = nullptr;
    QPushButton *compare_ = nullptr;
};

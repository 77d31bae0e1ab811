#pragma once

#include "config/tanimlamalar.h"
#include "session/operator_dialogs.h"
#include "session/unit_session.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QTextEdit;

// The ticket layout editor: opens a layout file into the ticket image, shows it and sends it
// under one of 16 ticket numbers. Only one of it and the main window is visible at a time;
// closing it discards it.
class Editor : public QWidget {
    Q_OBJECT
public:
    Editor(Tanimlamalar &model, UnitSession &session, OperatorDialogs &dialogs, QWidget *mainWindow);

    // Ticket_Editor_Click of the main window: hides it and shows the editor held in `editor`,
    // creating it when there is none yet or the last one was closed.
    static Editor *showInsteadOf(QPointer<Editor> &editor, Tanimlamalar &model, UnitSession &session,
                                 OperatorDialogs &dialogs, QWidget *mainWindow);

    void Ticket_Open_Click();
    void Config_Click();
    void Send_Control_Click();

protected:
    void closeEvent(QCloseEvent *event) override;  // Form_Unload

private:
    void buildControls();
    void Form_Load();
    void bilet_dosyasi_oku();
    void showMainWindow();

    Tanimlamalar &model_;
    UnitSession &session_;
    OperatorDialogs &dialogs_;
    QPointer<QWidget> mainWindow_;
    QTextEdit *ticket_ = nullptr;
    QLabel *progress_ = nullptr;
    QComboBox *ticketNumber_ = nullptr;
};

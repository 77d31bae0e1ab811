#pragma once

#include "ui/panels/click_handlers.h"

#include <QList>
#include <QObject>
#include <QPointer>

class Editor;
class MenuHost;
class OperatorDialogs;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;
class UnitSession;
struct Tanimlamalar;

// The controls that stand on the window itself, outside the three frames: the editor and
// save commands, the clock chip selector and the date-time command with its progress.
class WindowControls : public QObject {
    Q_OBJECT
public:
    WindowControls(QWidget &window, Tanimlamalar &model, UnitSession &session, OperatorDialogs &dialogs,
                   MenuHost &host);

    QList<QWidget *> tabOrder() const;
    // As if chosen in the selector: the clock chip follows.
    void selectClockChip(int position) const;
    void showClockProgress(const QString &caption) const;
    void closeEditor();

private:
    void Ticket_Editor_Click();
    void cmdKaydet_Click();
    void Saat_Cipi_Combo_Click();
    void cmdTarihSaat_Click();

    QWidget &window_;
    Tanimlamalar &model_;
    UnitSession &session_;
    OperatorDialogs &dialogs_;
    MenuHost &host_;
    ClickHandlers clicks_;
    QPointer<Editor> editor_;
    QPushButton *Ticket_Editor = nullptr;
    QPushButton *cmdKaydet = nullptr;
    QComboBox *Saat_Cipi_Combo = nullptr;
    QPushButton *cmdTarihSaat = nullptr;
    QLabel *Label20 = nullptr;
};

#pragma once

#include "config/tanimlamalar.h"
#include "session/operator_dialogs.h"
#include "session/start_decision.h"
#include "session/unit_session.h"
#include "ui/panels/panel_host.h"
#include "ui/window/menu_host.h"
#include "ui/window/taskbar_progress.h"

#include <QWidget>

class ComPortFrame;
class DocumentStatus;
class EditMenu;
class FileMenu;
class GroupPanel;
class OverviewCommand;
class QMenuBar;
class SlowLineHint;
class TerminalPanel;
class TransferStatus;
class UnitMenu;
class WindowControls;

// The operator's window: the terminal priority panel, the group settings panel, the COM
// port frame and the controls on the window itself, under the menu bar and above the status
// bar. Transfers run through the session with the unit; each panel shows its own transfer's
// progress.
//
// A selection or tick made by code runs the same click handler as the operator's (see
// ClickHandlers); the handlers that would take it for an edit return at once while
// FormLoading or PanelLoading is set.
class Main_Menu : public QWidget, private PanelHost, private MenuHost {
    Q_OBJECT
public:
    Main_Menu(Tanimlamalar &model, OperatorDialogs &dialogs, UnitSession &session, QWidget *parent = nullptr);
    ~Main_Menu() override;
    Main_Menu(const Main_Menu &) = delete;
    Main_Menu &operator=(const Main_Menu &) = delete;

    // The start-up; EndApplication when the application must end before the window shows.
    StartDecision Form_Load();

    void Terminal_Yukle() override;
    void Update_data() override;

    // Shows terminal t or group g in its panel, as if chosen in the panel's selector.
    void showTerminal(int t);
    void showGroup(int g);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::optional<QList<int>> chooseListTargets(int t) override;
    void takeTyped() override;
    bool mayDropDocument() override;

    void buildControls();
    void buildMenuBar();
    void placeBelowMenuBar();
    void buildStatusBar();
    void placeStatusBar(int top);
    void orderKeyboard();
    void connectSession();
    void connectTransferStatus();
    void showDocument();
    void showProgress(TransferMode kind, const QString &caption) const;
    void showSlowLine(double msPerByte);
    void refillFromModel();
    void closeOtherWindows();

    Tanimlamalar &model_;
    OperatorDialogs &dialogs_;
    UnitSession &session_;
    SiteDocument &document_;
    TaskbarProgress taskbar_;
    int statusTop_ = 0;

    TerminalPanel *terminalPanel_ = nullptr;
    GroupPanel *groupPanel_ = nullptr;
    ComPortFrame *comPortFrame_ = nullptr;
    WindowControls *controls_ = nullptr;
    QMenuBar *menuBar_ = nullptr;
    FileMenu *fileMenu_ = nullptr;
    EditMenu *editMenu_ = nullptr;
    UnitMenu *unitMenu_ = nullptr;
    OverviewCommand *overview_ = nullptr;
    DocumentStatus *documentStatus_ = nullptr;
    TransferStatus *transferStatus_ = nullptr;
    SlowLineHint *slowLineHint_ = nullptr;
};

#pragma once

#include "click_handlers.h"
#include "editor.h"
#include "operator_dialogs.h"
#include "panel_host.h"
#include "start_decision.h"
#include "tanimlamalar.h"
#include "taskbar_progress.h"
#include "unit_session.h"

#include <QPointer>
#include <QWidget>

class ComPortFrame;
class QAction;
class GroupPanel;
class OverviewWindow;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class TerminalPanel;
class TransferStatus;
class UnitMenu;

// The operator's window: the terminal priority panel, the group settings panel, the COM
// port frame, and on the window itself the editor, save and clock commands. Transfers run
// through the session with the unit; each panel shows its own transfer's progress.
//
// A selection or tick made by code runs the same click handler as the operator's (see
// ClickHandlers); the handlers that would take it for an edit return at once while
// FormLoading or PanelLoading is set.
class Main_Menu : public QWidget, private PanelHost {
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
    void buildPanels();
    void buildWindowControls();
    void connectWindowControls();
    void orderKeyboard();
    void showProgress(TransferMode kind, const QString &caption) const;
    void showSlowLine(double msPerByte);
    void buildSlowLineHint();
    void fixLatency();

    // The menu bar: the site's files, the report, the CSV and the overview
    void buildMenuBar();
    void placeBelowMenuBar();
    void placeStatusBar(int top);
    void connectTransferStatus();
    void fillRecentFiles();
    void showBackups();
    void openSiteFile(const QString &path);
    void chooseSiteFile();
    void saveSiteFile();
    void saveSiteFileAs();
    QString besideOpenFile(const QString &name) const;
    void writeReport();
    void exportCsv();
    void importCsv();
    void showOverview();
    void refillFromModel();
    void placeBeside(QWidget *window) const;

    // The site as a document: status bar, undo and redo, the question before closing
    void buildEditMenu();
    void buildStatusBar();
    void connectDocument();
    void showDocument();
    void takeTyped();
    bool mayDropDocument();

    // The controls on the window itself
    void Ticket_Editor_Click();
    void cmdKaydet_Click();
    void Saat_Cipi_Combo_Click();
    void cmdTarihSaat_Click();

    Tanimlamalar &model_;
    OperatorDialogs &dialogs_;
    UnitSession &session_;
    SiteDocument &document_;
    ClickHandlers clicks_;
    QPointer<Editor> editor_;
    QPointer<OverviewWindow> overview_;
    QMenuBar *menuBar_ = nullptr;
    QMenu *recentFiles_ = nullptr;
    QAction *open_ = nullptr;
    QAction *backups_ = nullptr;
    QAction *undo_ = nullptr;
    QAction *redo_ = nullptr;
    QStatusBar *statusBar_ = nullptr;
    QLabel *fileInView_ = nullptr;
    QLabel *unsavedMark_ = nullptr;
    UnitMenu *unitMenu_ = nullptr;
    TransferStatus *transferStatus_ = nullptr;
    TaskbarProgress taskbar_;
    int statusTop_ = 0;

    TerminalPanel *terminalPanel_ = nullptr;
    GroupPanel *groupPanel_ = nullptr;
    ComPortFrame *comPortFrame_ = nullptr;
    QPushButton *Ticket_Editor = nullptr;
    QPushButton *cmdKaydet = nullptr;
    QComboBox *Saat_Cipi_Combo = nullptr;
    QPushButton *cmdTarihSaat = nullptr;
    QLabel *Label20 = nullptr;
    QLabel *slowLineHint_ = nullptr;     // below the window's own controls, shown when needed
    QPushButton *latencyFix_ = nullptr;  // beside the hint, where the platform offers the fix
};

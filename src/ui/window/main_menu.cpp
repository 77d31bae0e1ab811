#include "ui/window/main_menu.h"

#include "panels/update_data.h"
#include "ui/overview/overview_window.h"
#include "ui/panels/com_port_frame.h"
#include "ui/panels/group_panel.h"
#include "ui/panels/terminal_panel.h"
#include "ui/site/copy_list_dialog.h"
#include "ui/window/app_icon.h"
#include "ui/window/document_status.h"
#include "ui/window/edit_menu.h"
#include "ui/window/file_menu.h"
#include "ui/window/overview_command.h"
#include "ui/window/slow_line_hint.h"
#include "ui/window/transfer_status.h"
#include "ui/window/unit_menu.h"
#include "ui/window/window_controls.h"
#include "ui/window/window_texts.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>

namespace {

constexpr int kClientWidth = 850;   // 12750 twips
constexpr int kClientHeight = 685;  // 10275 twips
constexpr int kFontPoints = 8;

QFont windowFont(QFont font)
{
    // Arial where installed; otherwise fontconfig's nearest sans-serif face.
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(kFontPoints);
    font.setBold(true);
    return font;
}

}  // namespace

Main_Menu::Main_Menu(Tanimlamalar &model, OperatorDialogs &dialogs, UnitSession &session, QWidget *parent)
    : QWidget(parent),
      model_(model),
      dialogs_(dialogs),
      session_(session),
      document_(session.document()),
      taskbar_(*this)
{
    setObjectName(QStringLiteral("Main_Menu"));
    setWindowTitle(texts::kWindowTitle);
    setWindowIcon(appIcon());
    // The controls size themselves by the font they inherit: it is set before they exist.
    setFont(windowFont(font()));
    buildControls();
    buildMenuBar();
    placeBelowMenuBar();
    orderKeyboard();
    connectSession();
    connectTransferStatus();
}

void Main_Menu::buildControls()
{
    terminalPanel_ = new TerminalPanel(model_, dialogs_, session_, *this, this);
    groupPanel_ = new GroupPanel(model_, dialogs_, session_, *this, this);
    comPortFrame_ = new ComPortFrame(model_, dialogs_, session_, this);
    controls_ = new WindowControls(*this, model_, session_, dialogs_, *this);
    slowLineHint_ = new SlowLineHint(*this, session_, dialogs_);
}

Main_Menu::~Main_Menu()
{
    closeOtherWindows();
}

void Main_Menu::closeOtherWindows()
{
    controls_->closeEditor();
    overview_->close();
}

void Main_Menu::buildMenuBar()
{
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    fileMenu_ = new FileMenu(*menuBar_, model_, session_, dialogs_, *this, *this);
    editMenu_ = new EditMenu(*menuBar_, document_, *this, this);
    unitMenu_ = new UnitMenu(
        *menuBar_, session_, [this] { takeTyped(); }, *this);
    overview_ = new OverviewCommand(*menuBar_, model_, document_, dialogs_, *this, *this);
    connect(overview_, &OverviewCommand::terminalChosen, this, &Main_Menu::showTerminal);
    connect(overview_, &OverviewCommand::groupChosen, this, &Main_Menu::showGroup);
}

// The menu bar stands above the controls the installers know and the status bar below them:
// they keep their places relative to one another, one menu bar lower.
void Main_Menu::placeBelowMenuBar()
{
    const int offset = menuBar_->sizeHint().height();
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child != menuBar_)
            child->move(child->x(), child->y() + offset);
    }
    menuBar_->setGeometry(0, 0, kClientWidth, offset);
    buildStatusBar();
    placeStatusBar(kClientHeight + offset);
}

void Main_Menu::buildStatusBar()
{
    documentStatus_ = new DocumentStatus(this);
    transferStatus_ = new TransferStatus(model_, session_, unitMenu_->stopAction(), this);
}

// The status bar closes the window at `top`: the open file, then the transfer and what the
// unit holds.
void Main_Menu::placeStatusBar(int top)
{
    statusTop_ = top;
    const int height = documentStatus_->sizeHint().height();
    documentStatus_->setGeometry(0, top, kClientWidth, height);
    const int rows = transferStatus_->rowsHeight(kClientWidth);
    transferStatus_->setGeometry(0, top + height, kClientWidth, rows);
    setFixedSize(kClientWidth, top + height + rows);
}

// The keyboard visits the COM port frame first, then the group panel, the controls on the
// window itself and the terminal panel.
void Main_Menu::orderKeyboard()
{
    QList<QWidget *> order = comPortFrame_->tabOrder();
    order << groupPanel_->tabOrder();
    order << controls_->tabOrder();
    order << terminalPanel_->tabOrder();
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Main_Menu::connectSession()
{
    connect(&document_, &SiteDocument::changed, this, &Main_Menu::showDocument);
    connect(&document_, &SiteDocument::valuesReplaced, this, &Main_Menu::refillFromModel);
    connect(&session_, &UnitSession::transferStarted, this, &Main_Menu::showDocument);
    connect(&session_, &UnitSession::finished, this, &Main_Menu::showDocument);
    connect(&session_, &UnitSession::linkLost, this, &Main_Menu::showDocument);
    connect(&session_, &UnitSession::transferEnded, this, &Main_Menu::showDocument);
    connect(&session_, &UnitSession::progress, this, &Main_Menu::showProgress);
    connect(&session_, &UnitSession::slowLine, this, [this](TransferMode, double ms) { showSlowLine(ms); });
}

void Main_Menu::connectTransferStatus()
{
    connect(transferStatus_, &TransferStatus::heightChanged, this, [this] { placeStatusBar(statusTop_); });
    connect(&unitMenu_->sequence(), &SendSequence::allSent, transferStatus_, &TransferStatus::showLine);
    connect(&transferStatus_->watch(), &TransferWatch::bytesSent, this,
            [this](int sent, int total) { taskbar_.show(sent, total); });
    connect(&session_.engine(), &TransferEngine::echoMismatch, this, [this] { taskbar_.showError(); });
    connect(&session_, &UnitSession::transferEnded, this, [this] { taskbar_.clear(); });
}

// The window's load. The selections it makes while FormLoading is set are not taken as
// edits; only the clock chip selector, which does not look at the flag, sets ClockChip.
StartDecision Main_Menu::Form_Load()
{
    model_.ImagesBuilt = false;
    model_.FormLoading = true;
    model_.PanelLoading = false;
    terminalPanel_->selectFirstTerminal();
    groupPanel_->selectFirstEntries();
    controls_->selectClockChip(0);
    model_.ClockChip = kClockChipDs1307;
    model_.CurrentTransferMode = TransferMode::None;
    terminalPanel_->selectNoGroupInEverySlot();

    // The session clears the priority tables, reads the settings file and opens the port.
    if (session_.start() == StartDecision::EndApplication)
        return StartDecision::EndApplication;
    comPortFrame_->load();
    model_.FormLoading = false;
    Terminal_Yukle();
    Update_data();
    // What the load itself captured is no step to undo.
    document_.startHistory();
    comPortFrame_->focusPortNumber();
    return StartDecision::Continue;
}

// Both panels, terminal first; the group load ends with the clock chip selector, which
// stands on the window itself.
void Main_Menu::Terminal_Yukle()
{
    terminalPanel_->load();
    if (const std::optional<GroupLoad> group = groupPanel_->load())
        controls_->selectClockChip(group->clockPosition);
}

void Main_Menu::Update_data()
{
    PanelState panels;
    terminalPanel_->capture(panels);
    groupPanel_->capture(panels);
    ::Update_data(model_, panels);
    document_.record();
}

// The panels and the images from the model, as the start-up leaves them.
void Main_Menu::refillFromModel()
{
    comPortFrame_->load();
    Terminal_Yukle();
    Update_data();
}

void Main_Menu::showTerminal(int t)
{
    terminalPanel_->choose(t);
}

void Main_Menu::showGroup(int g)
{
    groupPanel_->choose(g);
}

std::optional<QList<int>> Main_Menu::chooseListTargets(int t)
{
    CopyListDialog dialog(model_, t, this);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenTerminals();
}

// The number still typed in the focused box, taken as Enter or leaving the box would.
void Main_Menu::takeTyped()
{
    Update_data();
}

bool Main_Menu::mayDropDocument()
{
    takeTyped();
    if (!document_.isModified())
        return true;
    switch (dialogs_.askToSave(texts::kUnsavedQuestion.arg(document_.shownPath()))) {
    case SaveChoice::Save:
        return document_.save();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

void Main_Menu::showDocument()
{
    documentStatus_->showFile(document_);
    editMenu_->show();
    const bool idle = !document_.transferRunning();
    fileMenu_->showIdle(idle);
    slowLineHint_->showIdle(idle);
}

void Main_Menu::showProgress(TransferMode kind, const QString &caption) const
{
    switch (kind) {
    case TransferMode::TerminalSettings:
        terminalPanel_->showProgress(caption);
        break;
    case TransferMode::ButtonSettings:
        groupPanel_->showProgress(caption);
        break;
    case TransferMode::DateTime:
        controls_->showClockProgress(caption);
        break;
    case TransferMode::TicketData:  // the editor shows its own
    case TransferMode::None:
        break;
    }
}

void Main_Menu::showSlowLine(double msPerByte)
{
    if (slowLineHint_->show(msPerByte, statusTop_))
        placeStatusBar(statusTop_ + SlowLineHint::stripHeight());
}

// Closing the main window ends the application, the hidden editor window and the overview
// with it; a running transfer and unsaved values are asked about first.
void Main_Menu::closeEvent(QCloseEvent *event)
{
    if (document_.transferRunning() &&
        !dialogs_.askYesNo(QGuiApplication::applicationDisplayName(), texts::kTransferRunningQuestion)) {
        event->ignore();
        return;
    }
    if (!mayDropDocument()) {
        event->ignore();
        return;
    }
    closeOtherWindows();
    QWidget::closeEvent(event);
}

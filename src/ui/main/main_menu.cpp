#include "main_menu.h"

#include "app_icon.h"
#include "com_port_frame.h"
#include "elevated_fix.h"
#include "group_panel.h"
#include "image_builder.h"
#include "link_messages.h"
#include "main_menu_texts.h"
#include "overview_window.h"
#include "panel_state.h"
#include "port_messages.h"
#include "terminal_panel.h"
#include "transfer_status.h"
#include "unit_menu.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace {

constexpr int kClientWidth = 850;   // 12750 twips
constexpr int kClientHeight = 685;  // 10275 twips
constexpr int kFontPoints = 8;
// The slow-line hint takes a strip below the controls, which the window grows by.
constexpr int kHintMargin = 8;
constexpr int kHintHeight = 44;
constexpr int kFixWidth = 80;
constexpr int kFixHeight = 26;

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
      clicks_(this),
      taskbar_(*this)
{
    setObjectName(QStringLiteral("Main_Menu"));
    setWindowTitle(texts::kWindowTitle);
    setWindowIcon(appIcon());
    // The controls size themselves by the font they inherit: it is set before they exist.
    setFont(windowFont(font()));
    buildPanels();
    buildWindowControls();
    buildMenuBar();
    placeBelowMenuBar();
    orderKeyboard();
    connectWindowControls();
    connectDocument();
    connectTransferStatus();
    connect(&session_, &UnitSession::progress, this, &Main_Menu::showProgress);
    connect(&session_, &UnitSession::slowLine, this, [this](TransferMode, double ms) { showSlowLine(ms); });
}

Main_Menu::~Main_Menu()
{
    delete editor_;
    delete overview_;
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

// The status bar closes the window at `top`: the open file, then the transfer and what the
// unit holds.
void Main_Menu::placeStatusBar(int top)
{
    statusTop_ = top;
    const int height = statusBar_->sizeHint().height();
    statusBar_->setGeometry(0, top, kClientWidth, height);
    const int rows = transferStatus_->rowsHeight(kClientWidth);
    transferStatus_->setGeometry(0, top + height, kClientWidth, rows);
    setFixedSize(kClientWidth, top + height + rows);
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

void Main_Menu::buildPanels()
{
    terminalPanel_ = new TerminalPanel(model_, dialogs_, session_, *this, this);
    groupPanel_ = new GroupPanel(model_, dialogs_, session_, *this, this);
    comPortFrame_ = new ComPortFrame(model_, dialogs_, session_, this);
}

// The keyboard visits the COM port frame first, then the group panel, the controls on the
// window itself and the terminal panel.
void Main_Menu::orderKeyboard()
{
    QList<QWidget *> order = comPortFrame_->tabOrder();
    order << groupPanel_->tabOrder();
    order << Ticket_Editor << cmdKaydet << Saat_Cipi_Combo << cmdTarihSaat;
    order << terminalPanel_->tabOrder();
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// Both panels, terminal first; the group load ends with the clock chip selector, which
// stands on the window itself.
void Main_Menu::Terminal_Yukle()
{
    terminalPanel_->load();
    if (const std::optional<GroupLoad> group = groupPanel_->load())
        clicks_.selectEntry(Saat_Cipi_Combo, group->clockPosition);
}

void Main_Menu::Update_data()
{
    PanelState panels;
    terminalPanel_->capture(panels);
    groupPanel_->capture(panels);
    ::Update_data(model_, panels);
    document_.record();
}

void Main_Menu::showTerminal(int t)
{
    terminalPanel_->choose(t);
}

void Main_Menu::showGroup(int g)
{
    groupPanel_->choose(g);
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
        Label20->setText(caption);
        break;
    case TransferMode::TicketData:  // the editor shows its own
    case TransferMode::None:
        break;
    }
}

// Not a box: the upload goes on, and the operator reads why it is slow while it does.
void Main_Menu::showSlowLine(double msPerByte)
{
    if (!slowLineHint_)
        buildSlowLineHint();
    slowLineHint_->setText(slowLineMessage(msPerByte));
    slowLineHint_->setAccessibleDescription(slowLineHint_->text());
    slowLineHint_->show();
}

// The hint takes a strip below the controls, which the window grows by; where the platform
// offers the fix, its button stands at the strip's right.
void Main_Menu::buildSlowLineHint()
{
    const int top = statusBar_->y();
    int hintWidth = kClientWidth - 2 * kHintMargin;
    if (latencyFixOffered()) {
        hintWidth -= kFixWidth + kHintMargin;
        latencyFix_ = new QPushButton(texts::kFixLatency, this);
        latencyFix_->setObjectName(QStringLiteral("Gecikme_Duzelt"));
        latencyFix_->setGeometry(kClientWidth - kHintMargin - kFixWidth, top + (kHintHeight - kFixHeight) / 2,
                                 kFixWidth, kFixHeight);
        latencyFix_->setEnabled(!document_.transferRunning());
        connect(latencyFix_, &QPushButton::clicked, this, &Main_Menu::fixLatency);
        latencyFix_->show();
    }
    slowLineHint_ = new QLabel(this);
    slowLineHint_->setAccessibleName(QStringLiteral("Hat uyarısı"));
    slowLineHint_->setWordWrap(true);
    slowLineHint_->setStyleSheet(QStringLiteral("color: #a00000;"));
    slowLineHint_->setGeometry(kHintMargin, top, hintWidth, kHintHeight);
    placeStatusBar(top + kHintHeight + kHintMargin);
}

// The port the session opened, not the number in the COM port box: a number typed since is
// opened only at the next start. Offered only between transfers, since the window waits for
// the system's prompt and the command, and the adapter is to be replugged afterwards anyway;
// disabled while the prompt is up, should the window take a click meanwhile.
void Main_Menu::fixLatency()
{
    latencyFix_->setEnabled(false);
    const bool fixed = runLatencyFix(session_.portDevice(), winId());
    latencyFix_->setEnabled(!document_.transferRunning());
    dialogs_.inform(fixed ? latencyFixedMessage() : latencyNotFixedMessage());
}

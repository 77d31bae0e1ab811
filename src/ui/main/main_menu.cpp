#include "main_menu.h"

#include "app_icon.h"
#include "image_builder.h"
#include "main_menu_texts.h"
#include "number_validators.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

CheckState checkState(const QCheckBox *box)
{
    return box->isChecked() ? CheckState::Ticked : CheckState::Unticked;
}

}  // namespace

Main_Menu::Main_Menu(Tanimlamalar &model, OperatorDialogs &dialogs, UnitSession &session, QWidget *parent)
    : QWidget(parent), model_(model), dialogs_(dialogs), session_(session)
{
    setObjectName(QStringLiteral("Main_Menu"));
    setWindowTitle(texts::kWindowTitle);
    setWindowIcon(appIcon());
    setFont(windowFont(font()));
    setFixedSize(kClientWidth, kClientHeight);
    c_ = buildMainMenuLayout(this);
    for (const NumberRow &row : c_.numbers)
        row.box->setValidator(new TicketNumberValidator(row.box));
    for (const PriorityRow &row : c_.rows)
        row.txtOncelikSayisi->setValidator(new PriorityCountValidator(row.txtOncelikSayisi));
    connectControls();
    connect(&session_, &UnitSession::progress, this, &Main_Menu::showProgress);
}

Main_Menu::~Main_Menu()
{
    delete editor_;
}

void Main_Menu::connectControls()
{
    connectTerminalPanel();
    connectGroupPanel();
    connectFreeControls();
}

// Qt reports an operator's choice with activated (also for the entry already shown) and
// a tick with clicked; code-made changes go through selectEntry and setTicked instead.
void Main_Menu::onClick(QComboBox *combo, const std::function<void()> &handler)
{
    clickHandlers_.insert(combo, handler);
    connect(combo, &QComboBox::activated, this, [handler] { handler(); });
}

void Main_Menu::onClick(QCheckBox *box, const std::function<void()> &handler)
{
    clickHandlers_.insert(box, handler);
    connect(box, &QCheckBox::clicked, this, [handler] { handler(); });
}

void Main_Menu::selectEntry(QComboBox *combo, int position)
{
    combo->setCurrentIndex(position);
    clickHandlers_.value(combo)();
}

void Main_Menu::setTicked(QCheckBox *box, bool ticked)
{
    box->setChecked(ticked);
    clickHandlers_.value(box)();
}

bool Main_Menu::loading() const
{
    return model_.FormLoading || model_.PanelLoading;
}

PanelState Main_Menu::panelState() const
{
    PanelState panels;
    panels.terminal = c_.Terminal_No_Combo->currentIndex();
    for (int s = 0; s < kPanelSlotCount; ++s) {
        panels.slotGroup[s] = c_.rows[s].Buton_Listesi_Combo->currentIndex();
        panels.slotCount[s] = c_.rows[s].txtOncelikSayisi->text();
    }
    panels.group = c_.Buton_No_Combo->currentIndex();
    panels.start = c_.numberBox(NumberBox::Baslangic)->text();
    panels.end = c_.numberBox(NumberBox::Bitis)->text();
    panels.lastCalled = c_.numberBox(NumberBox::Suan)->text();
    panels.lastIssued = c_.numberBox(NumberBox::Printer)->text();
    panels.enable = checkState(c_.Buton_Enable);
    panels.limit = checkState(c_.Limit_Check);
    panels.layout = c_.Bilet_Data_Combo->currentIndex();
    return panels;
}

void Main_Menu::Update_data()
{
    ::Update_data(model_, panelState());
}

void Main_Menu::showProgress(TransferMode kind, const QString &caption) const
{
    QLabel *label = nullptr;
    switch (kind) {
    case TransferMode::TerminalSettings:
        label = c_.Label18;
        break;
    case TransferMode::ButtonSettings:
        label = c_.Label19;
        break;
    case TransferMode::DateTime:
        label = c_.Label20;
        break;
    case TransferMode::TicketData:  // the editor shows its own
    case TransferMode::None:
        break;
    }
    if (label)
        label->setText(caption);
}

// Closing the main window ends the application, the hidden editor window with it.
void Main_Menu::closeEvent(QCloseEvent *event)
{
    delete editor_;
    QWidget::closeEvent(event);
}

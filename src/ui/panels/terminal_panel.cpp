#include "ui/panels/terminal_panel.h"

#include "images/unit_names.h"
#include "panels/panel_load.h"
#include "panels/panel_state.h"
#include "session/operator_dialogs.h"
#include "session/step_names.h"
#include "session/unit_session.h"
#include "site/priority_copy.h"
#include "ui/panels/group_steppers.h"
#include "ui/panels/layout_helpers.h"
#include "ui/panels/number_validators.h"
#include "ui/panels/panel_host.h"
#include "ui/panels/panel_texts.h"
#include "ui/panels/priority_steppers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace layout;

namespace {

constexpr int kTerminalComboLeft = 3120;
constexpr int kCaptionGap = 60;
constexpr int kFirstRowTop = 1440;
constexpr int kRowPitch = 480;
constexpr int kLowerCaseEntry = 7;

QStringList terminalEntries()
{
    QStringList entries;
    for (int t = 0; t < kTerminalCount; ++t)
        entries << terminalName(t);
    return entries;
}

QStringList slotEntries()
{
    QStringList entries{texts::kNoGroup};
    for (int p = 1; p <= kSelectableGroups; ++p)
        entries << (p == kLowerCaseEntry ? texts::kGroupEntrySeven : groupName(p - 1));
    return entries;
}

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

}  // namespace

TerminalPanel::TerminalPanel(Tanimlamalar &model, OperatorDialogs &dialogs, UnitSession &session, PanelHost &host,
                             QWidget *window)
    : QGroupBox(window), model_(model), dialogs_(dialogs), session_(session), host_(host), clicks_(this)
{
    setUpFrame(this, QStringLiteral("Frame1"), texts::kFrame1, {360, 120, 6615, 9975});
    buildControls();
    connectControls();
}

void TerminalPanel::buildControls()
{
    QLabel *Label2 = label(this, QStringLiteral("Label2"), texts::kTerminalNo,
                           {720, 360, kTerminalComboLeft - 720 - kCaptionGap}, Look::LargeBlue);
    Terminal_No_Combo = combo(this, QStringLiteral("Terminal_No_Combo"), terminalEntries(),
                              {kTerminalComboLeft, 360, 2415}, Look::LargeBlue);
    Label2->setBuddy(Terminal_No_Combo);
    label(this, QStringLiteral("Label11"), texts::kPriorityButtonHeading, {2760, 1080}, Look::Underlined);
    label(this, QStringLiteral("Label10"), texts::kCallCountHeading, {4680, 1080}, Look::Underlined);

    const QStringList entries = slotEntries();
    for (int s = 0; s < kPanelSlotCount; ++s)
        rows_[s] = buildRow(s, entries);

    Terminal_Gonder = command(this, QStringLiteral("Terminal_Gonder"), texts::kTerminalGonder, {2640, 9240, 3615, 615});
    Label18 = progressLabel(this, QStringLiteral("Label18"), texts::kProgressAtStart, {1680, 9480});
    copyList_ = command(this, QStringLiteral("cmdKopyala"), texts::kCopyList, {240, 9240, 1335, 615});
}

TerminalPanel::PriorityRow TerminalPanel::buildRow(int s, const QStringList &entries)
{
    const int top = kFirstRowTop + kRowPitch * s;
    const QString caption = texts::kPriorityRow.arg(s + 1);
    QLabel *rowLabel = label(this, indexed("lblOncelik", s), caption, {360, top});
    PriorityRow row{};
    row.Buton_Listesi_Combo = combo(this, indexed("Buton_Listesi_Combo", s), entries, {2640, top, 1695});
    row.Eksi_50 = stepper(this, indexed("Eksi_50", s), texts::kStepFifty, {4560, top, 360});
    row.Eksi = stepper(this, indexed("Eksi", s), texts::kStepDown, {4920, top, 240});
    row.txtOncelikSayisi = textBox(this, indexed("txtOncelikSayisi", s), QStringLiteral("0"), {5160, top, 480});
    row.Arti = stepper(this, indexed("Arti", s), texts::kStepUp, {5640, top, 240});
    row.Arti_50 = stepper(this, indexed("Arti_50", s), texts::kStepFifty, {5880, top, 360});

    rowLabel->setBuddy(row.Buton_Listesi_Combo);
    nameSteppers(row.Eksi_50, row.Eksi, row.Arti, row.Arti_50, caption);
    row.txtOncelikSayisi->setAccessibleName(texts::kCountBoxName.arg(caption));
    row.txtOncelikSayisi->setValidator(new PriorityCountValidator(row.txtOncelikSayisi));
    return row;
}

void TerminalPanel::connectControls()
{
    clicks_.onClick(Terminal_No_Combo, [this] { Terminal_No_Combo_Click(); });
    for (int s = 0; s < kPanelSlotCount; ++s) {
        const PriorityRow &row = rows_[s];
        clicks_.onClick(row.Buton_Listesi_Combo, [this, s] { Buton_Listesi_Combo_Click(s); });
        connect(row.Eksi_50, &QPushButton::clicked, this, [this, s] { Eksi_50_Click(s); });
        connect(row.Eksi, &QPushButton::clicked, this, [this, s] { Eksi_Click(s); });
        connect(row.Arti, &QPushButton::clicked, this, [this, s] { Arti_Click(s); });
        connect(row.Arti_50, &QPushButton::clicked, this, [this, s] { Arti_50_Click(s); });
        // A typed count is taken on Enter or when the box is left.
        connect(row.txtOncelikSayisi, &QLineEdit::editingFinished, this, [this] { host_.Update_data(); });
    }
    connect(Terminal_Gonder, &QPushButton::clicked, this, [this] { Terminal_Gonder_Click(); });
    connect(copyList_, &QPushButton::clicked, this, [this] { copyListClick(); });
}

void TerminalPanel::choose(int t)
{
    clicks_.selectEntry(Terminal_No_Combo, t);
}

void TerminalPanel::selectFirstTerminal()
{
    clicks_.selectEntry(Terminal_No_Combo, 0);
}

void TerminalPanel::selectNoGroupInEverySlot()
{
    for (const PriorityRow &row : rows_)
        clicks_.selectEntry(row.Buton_Listesi_Combo, 0);
}

void TerminalPanel::load()
{
    const int t = Terminal_No_Combo->currentIndex();
    if (t < 0)
        return;
    const auto loads = terminalLoad(model_, t);
    for (int s = 0; s < kPanelSlotCount; ++s) {
        const PriorityRow &row = rows_[s];
        model_.PanelLoading = true;
        clicks_.selectEntry(row.Buton_Listesi_Combo, loads[s].position);
        model_.PanelLoading = false;
        row.Buton_Listesi_Combo->setEnabled(true);
        row.txtOncelikSayisi->setText(loads[s].count);
    }
}

void TerminalPanel::capture(PanelState &panels) const
{
    panels.terminal = Terminal_No_Combo->currentIndex();
    for (int s = 0; s < kPanelSlotCount; ++s) {
        panels.slotGroup[s] = rows_[s].Buton_Listesi_Combo->currentIndex();
        panels.slotCount[s] = rows_[s].txtOncelikSayisi->text();
    }
}

void TerminalPanel::showProgress(const QString &caption)
{
    Label18->setText(caption);
}

QList<QWidget *> TerminalPanel::tabOrder() const
{
    QList<QWidget *> order{Terminal_No_Combo};
    for (const PriorityRow &row : rows_)
        order << row.Buton_Listesi_Combo << row.Eksi_50 << row.Eksi << row.txtOncelikSayisi << row.Arti << row.Arti_50;
    order << Terminal_Gonder << copyList_;
    return order;
}

void TerminalPanel::Terminal_No_Combo_Click()
{
    if (panelsLoading(model_))
        return;
    host_.Terminal_Yukle();
}

void TerminalPanel::Buton_Listesi_Combo_Click(int)
{
    if (panelsLoading(model_))
        return;
    host_.Update_data();
}

void TerminalPanel::Arti_Click(int slot)
{
    stepCount(slot, kStepUpOne);
}

void TerminalPanel::Arti_50_Click(int slot)
{
    stepCount(slot, kStepUpFifty);
}

void TerminalPanel::Eksi_Click(int slot)
{
    stepCount(slot, kStepDownOne);
}

void TerminalPanel::Eksi_50_Click(int slot)
{
    stepCount(slot, kStepDownFifty);
}

// Not gated: a stepper is only ever clicked by the operator, and it captures even when
// its rule changed nothing.
void TerminalPanel::stepCount(int slot, int step)
{
    QLineEdit *box = rows_[slot].txtOncelikSayisi;
    const StepResult result = stepPriorityCount(box->text(), step);
    if (result.message)
        dialogs_.inform(*result.message);
    if (result.text)
        box->setText(*result.text);
    host_.Update_data();
}

void TerminalPanel::Terminal_Gonder_Click()
{
    session_.sendTerminals();
}

// The list copied is the one shown: captured first, as every edit is. The copy is one step
// to undo; nothing is saved.
void TerminalPanel::copyListClick()
{
    const int t = Terminal_No_Combo->currentIndex();
    if (t < 0)
        return;
    host_.Update_data();
    const std::optional<QList<int>> chosen = host_.chooseListTargets(t);
    if (!chosen)
        return;
    const QList<int> &targets = *chosen;
    session_.document().change(copyStepName(t, static_cast<int>(targets.size())), [t, &targets](Tanimlamalar &model) {
        copyPriorityList(model, t, targets);
        return true;
    });
}

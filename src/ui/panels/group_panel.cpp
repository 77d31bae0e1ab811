#include "ui/panels/group_panel.h"

#include "images/unit_names.h"
#include "panels/panel_load.h"
#include "panels/panel_state.h"
#include "session/operator_dialogs.h"
#include "session/unit_session.h"
#include "ui/panels/layout_helpers.h"
#include "ui/panels/main_menu_rules.h"
#include "ui/panels/number_validators.h"
#include "ui/panels/panel_host.h"
#include "ui/panels/panel_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace layout;

namespace {

constexpr int kGroupComboLeft = 2640;
constexpr int kCaptionGap = 60;
constexpr int kCheckBoxWidth = 2400;  // room for the longer of the two captions each box takes

QStringList groupEntries()
{
    QStringList entries;
    for (int g = 0; g < kGroupCount; ++g)
        entries << groupName(g);
    return entries;
}

QStringList layoutEntries()
{
    QStringList entries;
    for (int n = 1; n <= kLayoutCount; ++n)
        entries << texts::kLayoutEntry.arg(n);
    return entries;
}

QString stepperName(const char *prefix, const char *suffix)
{
    return QLatin1String(prefix) + QLatin1String(suffix);
}

CheckState checkState(const QCheckBox *box)
{
    return box->isChecked() ? CheckState::Ticked : CheckState::Unticked;
}

}  // namespace

struct GroupPanel::NumberRowPlace {
    const char *prefix;
    const char *box;
    const char *label;
    QString caption;
    int top;
};

GroupPanel::GroupPanel(Tanimlamalar &model, OperatorDialogs &dialogs, UnitSession &session, PanelHost &host,
                       QWidget *window)
    : QGroupBox(window), model_(model), dialogs_(dialogs), session_(session), host_(host), clicks_(this)
{
    setUpFrame(this, QStringLiteral("Frame2"), texts::kFrame2, {7080, 120, 5415, 7455});
    buildControls();
    connectControls();
}

void GroupPanel::buildControls()
{
    QLabel *Label12 = label(this, QStringLiteral("Label12"), texts::kButtonNo,
                            {600, 480, kGroupComboLeft - 600 - kCaptionGap}, Look::LargeBlue);
    Buton_No_Combo =
        combo(this, QStringLiteral("Buton_No_Combo"), groupEntries(), {kGroupComboLeft, 480, 2295}, Look::LargeBlue);
    Label12->setBuddy(Buton_No_Combo);
    Buton_Enable = checkBox(this, QStringLiteral("Buton_Enable"), texts::kButtonClosed, {600, 1320, kCheckBoxWidth});
    Limit_Check = checkBox(this, QStringLiteral("Limit_Check"), texts::kLimitOff, {600, 1800, kCheckBoxWidth});

    const std::array<NumberRowPlace, kNumberBoxCount> places{{
        {"Baslangic_", "txtBaslangic", "Label13", texts::kStartLabel, 2520},
        {"Bitis_", "txtBitis", "Label14", texts::kEndLabel, 3120},
        {"Suan_", "txtSuan", "Label15", texts::kLastCalledLabel, 3720},
        {"Printer_", "txtPrinter", "Label16", texts::kLastIssuedLabel, 4320},
    }};
    for (int i = 0; i < kNumberBoxCount; ++i)
        numbers_[i] = buildNumberRow(places[i]);

    Reset = command(this, QStringLiteral("Reset"), texts::kReset, {3360, 4800});
    Reset->setEnabled(false);
    QLabel *Label17 = label(this, QStringLiteral("Label17"), texts::kLayoutLabel, {600, 5520});
    Bilet_Data_Combo = combo(this, QStringLiteral("Bilet_Data_Combo"), layoutEntries(), {2880, 5520, 2280});
    Label17->setBuddy(Bilet_Data_Combo);
    Buton_Gonder = command(this, QStringLiteral("Buton_Gonder"), texts::kButonGonder, {2160, 6360, 2775, 615});
    Label19 = progressLabel(this, QStringLiteral("Label19"), texts::kProgressAtStart, {1080, 6480});
}

GroupPanel::NumberRow GroupPanel::buildNumberRow(const NumberRowPlace &place)
{
    const int top = place.top;
    QLabel *rowLabel = label(this, QLatin1String(place.label), place.caption, {600, top});
    NumberRow row{};
    row.eksi50 = stepper(this, stepperName(place.prefix, "Eksi_50"), texts::kStepFifty, {2880, top, 360});
    row.eksi = stepper(this, stepperName(place.prefix, "Eksi"), texts::kStepDown, {3240, top, 360});
    row.box = textBox(this, QLatin1String(place.box), QStringLiteral("0"), {3600, top, 600});
    row.arti = stepper(this, stepperName(place.prefix, "Arti"), texts::kStepUp, {4200, top, 360});
    row.arti50 = stepper(this, stepperName(place.prefix, "Arti_50"), texts::kStepFifty, {4560, top, 360});

    rowLabel->setBuddy(row.box);
    nameSteppers(row.eksi50, row.eksi, row.arti, row.arti50, place.caption);
    row.box->setValidator(new TicketNumberValidator(row.box));
    // The enable row starts disabled, like the unticked "Buton Kapalı" above it.
    for (QPushButton *button : {row.eksi50, row.eksi, row.arti, row.arti50})
        button->setEnabled(false);
    return row;
}

void GroupPanel::connectControls()
{
    clicks_.onClick(Buton_No_Combo, [this] { Buton_No_Combo_Click(); });
    clicks_.onClick(Buton_Enable, [this] { Buton_Enable_Click(); });
    clicks_.onClick(Limit_Check, [this] { Limit_Check_Click(); });
    clicks_.onClick(Bilet_Data_Combo, [this] { Bilet_Data_Combo_Click(); });
    for (int i = 0; i < kNumberBoxCount; ++i) {
        connectSteppers(numbers_[i], static_cast<NumberBox>(i));
        // A typed number is taken on Enter or when the box is left.
        connect(numbers_[i].box, &QLineEdit::editingFinished, this, [this] { host_.Update_data(); });
    }
    connect(Reset, &QPushButton::clicked, this, [this] { Reset_Click(); });
    connect(Buton_Gonder, &QPushButton::clicked, this, [this] { Buton_Gonder_Click(); });
}

void GroupPanel::connectSteppers(const NumberRow &row, NumberBox box)
{
    connect(row.eksi50, &QPushButton::clicked, this, [this, box] { Stepper_Click(box, kStepDownFifty); });
    connect(row.eksi, &QPushButton::clicked, this, [this, box] { Stepper_Click(box, kStepDownOne); });
    connect(row.arti, &QPushButton::clicked, this, [this, box] { Stepper_Click(box, kStepUpOne); });
    connect(row.arti50, &QPushButton::clicked, this, [this, box] { Stepper_Click(box, kStepUpFifty); });
}

QLineEdit *GroupPanel::numberBox(NumberBox box) const
{
    return numbers_[static_cast<int>(box)].box;
}

void GroupPanel::selectFirstEntries()
{
    clicks_.selectEntry(Buton_No_Combo, 0);
    clicks_.selectEntry(Bilet_Data_Combo, 0);
}

// The check boxes change with PanelLoading set, so their handlers stay out; the layout
// selector's handler runs as for an operator's choice and captures the freshly loaded panel.
std::optional<GroupLoad> GroupPanel::load()
{
    const int g = Buton_No_Combo->currentIndex();
    if (g < 0)
        return std::nullopt;
    const GroupLoad load = groupLoad(model_, g);
    numberBox(NumberBox::Baslangic)->setText(load.start);
    numberBox(NumberBox::Bitis)->setText(load.end);
    numberBox(NumberBox::Suan)->setText(load.lastCalled);
    numberBox(NumberBox::Printer)->setText(load.lastIssued);
    if (load.enabled)
        showEnable(*load.enabled);
    if (load.limit)
        showLimit(*load.limit);
    clicks_.selectEntry(Bilet_Data_Combo, load.layoutPosition);
    return load;
}

void GroupPanel::showEnable(bool enabled)
{
    model_.PanelLoading = true;
    clicks_.setTicked(Buton_Enable, enabled);
    Buton_Enable->setText(enableCaption(enabled));
    setEnableRow(enabled);
    model_.PanelLoading = false;
}

void GroupPanel::showLimit(bool limit)
{
    model_.PanelLoading = true;
    clicks_.setTicked(Limit_Check, limit);
    Limit_Check->setText(limitCaption(limit));
    model_.PanelLoading = false;
}

void GroupPanel::setEnableRow(bool enabled)
{
    for (const QString &name : enableRowNames())
        findChild<QWidget *>(name)->setEnabled(enabled);
}

void GroupPanel::capture(PanelState &panels) const
{
    panels.group = Buton_No_Combo->currentIndex();
    panels.start = numberBox(NumberBox::Baslangic)->text();
    panels.end = numberBox(NumberBox::Bitis)->text();
    panels.lastCalled = numberBox(NumberBox::Suan)->text();
    panels.lastIssued = numberBox(NumberBox::Printer)->text();
    panels.enable = checkState(Buton_Enable);
    panels.limit = checkState(Limit_Check);
    panels.layout = Bilet_Data_Combo->currentIndex();
}

void GroupPanel::showProgress(const QString &caption)
{
    Label19->setText(caption);
}

void GroupPanel::choose(int g)
{
    clicks_.selectEntry(Buton_No_Combo, g);
}

QList<QWidget *> GroupPanel::tabOrder() const
{
    QList<QWidget *> order{Buton_No_Combo, Buton_Enable, Limit_Check};
    for (const NumberRow &row : numbers_)
        order << row.eksi50 << row.eksi << row.box << row.arti << row.arti50;
    order << Reset << Bilet_Data_Combo << Buton_Gonder;
    return order;
}

void GroupPanel::Buton_No_Combo_Click()
{
    if (panelsLoading(model_))
        return;
    host_.Terminal_Yukle();
}

void GroupPanel::Buton_Enable_Click()
{
    if (panelsLoading(model_))
        return;
    const bool ticked = Buton_Enable->isChecked();
    Buton_Enable->setText(enableCaption(ticked));
    setEnableRow(ticked);
    host_.Update_data();
}

void GroupPanel::Limit_Check_Click()
{
    if (panelsLoading(model_))
        return;
    Limit_Check->setText(limitCaption(Limit_Check->isChecked()));
    host_.Update_data();
}

void GroupPanel::Bilet_Data_Combo_Click()
{
    if (panelsLoading(model_))
        return;
    host_.Update_data();
}

void GroupPanel::Stepper_Click(NumberBox box, int step)
{
    QLineEdit *edit = numberBox(box);
    const StepResult result = stepGroupNumber(box, edit->text(), step);
    if (result.message)
        dialogs_.inform(*result.message);
    if (result.text)
        edit->setText(*result.text);
    host_.Update_data();
}

// The group's numbering starts again at its first number.
void GroupPanel::Reset_Click()
{
    const QString start = numberBox(NumberBox::Baslangic)->text();
    numberBox(NumberBox::Suan)->setText(start);
    numberBox(NumberBox::Printer)->setText(start);
    host_.Update_data();
}

void GroupPanel::Buton_Gonder_Click()
{
    session_.sendButtons();
}

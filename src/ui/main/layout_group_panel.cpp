#include "layout_panels.h"

#include "layout_helpers.h"
#include "main_menu_texts.h"
#include "panel_load.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace layout;

namespace {

constexpr int kGroupComboLeft = 2640;
constexpr int kCaptionGap = 60;
constexpr int kCheckBoxWidth = 2400;  // room for the longer of the two captions each box takes

struct NumberRowPlace {
    const char *prefix;
    const char *box;
    const char *label;
    QString caption;
    int top;
};

QStringList groupEntries()
{
    QStringList entries;
    for (int g = 1; g <= kGroupCount; ++g)
        entries << texts::kGroupEntry.arg(g);
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

NumberRow buildNumberRow(QGroupBox *frame, const NumberRowPlace &place)
{
    const int top = place.top;
    NumberRow row{};
    row.label = label(frame, QLatin1String(place.label), place.caption, {600, top});
    row.eksi50 = stepper(frame, stepperName(place.prefix, "Eksi_50"), texts::kStepFifty, {2880, top, 360});
    row.eksi = stepper(frame, stepperName(place.prefix, "Eksi"), texts::kStepDown, {3240, top, 360});
    row.box = textBox(frame, QLatin1String(place.box), QStringLiteral("0"), {3600, top, 600});
    row.arti = stepper(frame, stepperName(place.prefix, "Arti"), texts::kStepUp, {4200, top, 360});
    row.arti50 = stepper(frame, stepperName(place.prefix, "Arti_50"), texts::kStepFifty, {4560, top, 360});

    row.label->setBuddy(row.box);
    nameSteppers(row.eksi50, row.eksi, row.arti, row.arti50, place.caption);
    // The enable row starts disabled, like the unticked "Buton Kapalı" above it.
    for (QPushButton *button : {row.eksi50, row.eksi, row.arti, row.arti50})
        button->setEnabled(false);
    return row;
}

}  // namespace

void buildGroupPanel(QWidget *window, MainMenuControls &c)
{
    c.Frame2 = frame(window, QStringLiteral("Frame2"), texts::kFrame2, {7080, 120, 5415, 7455});
    c.Label12 = label(c.Frame2, QStringLiteral("Label12"), texts::kButtonNo,
                      {600, 480, kGroupComboLeft - 600 - kCaptionGap}, Look::LargeBlue);
    c.Buton_No_Combo = combo(c.Frame2, QStringLiteral("Buton_No_Combo"), groupEntries(), {kGroupComboLeft, 480, 2295},
                             Look::LargeBlue);
    c.Label12->setBuddy(c.Buton_No_Combo);
    c.Buton_Enable =
        checkBox(c.Frame2, QStringLiteral("Buton_Enable"), texts::kButtonClosed, {600, 1320, kCheckBoxWidth});
    c.Limit_Check = checkBox(c.Frame2, QStringLiteral("Limit_Check"), texts::kLimitOff, {600, 1800, kCheckBoxWidth});

    const std::array<NumberRowPlace, kNumberBoxCount> places{{
        {"Baslangic_", "txtBaslangic", "Label13", texts::kStartLabel, 2520},
        {"Bitis_", "txtBitis", "Label14", texts::kEndLabel, 3120},
        {"Suan_", "txtSuan", "Label15", texts::kLastCalledLabel, 3720},
        {"Printer_", "txtPrinter", "Label16", texts::kLastIssuedLabel, 4320},
    }};
    for (int i = 0; i < kNumberBoxCount; ++i)
        c.numbers[i] = buildNumberRow(c.Frame2, places[i]);

    c.Reset = command(c.Frame2, QStringLiteral("Reset"), texts::kReset, {3360, 4800});
    c.Reset->setEnabled(false);
    c.Label17 = label(c.Frame2, QStringLiteral("Label17"), texts::kLayoutLabel, {600, 5520});
    c.Bilet_Data_Combo = combo(c.Frame2, QStringLiteral("Bilet_Data_Combo"), layoutEntries(), {2880, 5520, 2280});
    c.Label17->setBuddy(c.Bilet_Data_Combo);
    c.Buton_Gonder = command(c.Frame2, QStringLiteral("Buton_Gonder"), texts::kButonGonder, {2160, 6360, 2775, 615});
    c.Label19 = progressLabel(c.Frame2, QStringLiteral("Label19"), texts::kProgressAtStart, {1080, 6480});
}

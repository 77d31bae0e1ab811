#include "layout_panels.h"

#include "layout_helpers.h"
#include "main_menu_texts.h"

#include <QComboBox>
#include <QGroupBox>
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
    for (int t = 1; t <= kTerminalCount; ++t)
        entries << texts::kTerminalEntry.arg(t);
    return entries;
}

QStringList slotEntries()
{
    QStringList entries{texts::kNoGroup};
    for (int p = 1; p <= kSelectableGroups; ++p)
        entries << (p == kLowerCaseEntry ? texts::kGroupEntrySeven : texts::kGroupEntry.arg(p));
    return entries;
}

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

PriorityRow buildRow(QGroupBox *frame, int s, const QStringList &entries)
{
    const int top = kFirstRowTop + kRowPitch * s;
    const QString caption = texts::kPriorityRow.arg(s + 1);
    PriorityRow row{};
    row.label = label(frame, indexed("lblOncelik", s), caption, {360, top});
    row.Buton_Listesi_Combo = combo(frame, indexed("Buton_Listesi_Combo", s), entries, {2640, top, 1695});
    row.Eksi_50 = stepper(frame, indexed("Eksi_50", s), texts::kStepFifty, {4560, top, 360});
    row.Eksi = stepper(frame, indexed("Eksi", s), texts::kStepDown, {4920, top, 240});
    row.txtOncelikSayisi = textBox(frame, indexed("txtOncelikSayisi", s), QStringLiteral("0"), {5160, top, 480});
    row.Arti = stepper(frame, indexed("Arti", s), texts::kStepUp, {5640, top, 240});
    row.Arti_50 = stepper(frame, indexed("Arti_50", s), texts::kStepFifty, {5880, top, 360});

    row.label->setBuddy(row.Buton_Listesi_Combo);
    nameSteppers(row.Eksi_50, row.Eksi, row.Arti, row.Arti_50, caption);
    row.txtOncelikSayisi->setAccessibleName(texts::kCountBoxName.arg(caption));
    return row;
}

}  // namespace

void buildTerminalPanel(QWidget *window, MainMenuControls &c)
{
    c.Frame1 = frame(window, QStringLiteral("Frame1"), texts::kFrame1, {360, 120, 6615, 9975});
    c.Label2 = label(c.Frame1, QStringLiteral("Label2"), texts::kTerminalNo,
                     {720, 360, kTerminalComboLeft - 720 - kCaptionGap}, Look::LargeBlue);
    c.Terminal_No_Combo = combo(c.Frame1, QStringLiteral("Terminal_No_Combo"), terminalEntries(),
                                {kTerminalComboLeft, 360, 2415}, Look::LargeBlue);
    c.Label2->setBuddy(c.Terminal_No_Combo);
    label(c.Frame1, QStringLiteral("Label11"), texts::kPriorityButtonHeading, {2760, 1080}, Look::Underlined);
    label(c.Frame1, QStringLiteral("Label10"), texts::kCallCountHeading, {4680, 1080}, Look::Underlined);

    const QStringList entries = slotEntries();
    for (int s = 0; s < kPanelSlotCount; ++s)
        c.rows[s] = buildRow(c.Frame1, s, entries);

    c.Terminal_Gonder =
        command(c.Frame1, QStringLiteral("Terminal_Gonder"), texts::kTerminalGonder, {2640, 9240, 3615, 615});
    c.Label18 = progressLabel(c.Frame1, QStringLiteral("Label18"), texts::kProgressAtStart, {1680, 9480});
}

#include "main_menu.h"

#include "layout_helpers.h"
#include "main_menu_rules.h"
#include "main_menu_texts.h"
#include "settings_messages.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

// The controls that stand on the window itself, outside the three frames: the editor and
// save commands, the clock chip selector and the date-time command with its progress.

using namespace layout;

void Main_Menu::buildWindowControls()
{
    Ticket_Editor = command(this, QStringLiteral("Ticket_Editor"), texts::kTicketEditor, {10200, 7920, 2055, 615});
    cmdKaydet = command(this, QStringLiteral("cmdKaydet"), texts::kCmdKaydet, {10200, 8640, 2055, 615});
    QLabel *Label22 = label(this, QStringLiteral("Label22"), texts::kClockChipLabel, {10320, 9360});
    Label22->setAlignment(Qt::AlignCenter);
    Saat_Cipi_Combo = combo(this, QStringLiteral("Saat_Cipi_Combo"), {texts::kClockDs1307, texts::kClockPcf8583},
                            {10200, 9720, 2055});
    Label22->setBuddy(Saat_Cipi_Combo);
    cmdTarihSaat = command(this, QStringLiteral("cmdTarihSaat"), texts::kCmdTarihSaat, {7080, 9480, 1935, 495});
    Label20 = progressLabel(this, QStringLiteral("Label20"), texts::kProgressAtStart, {9120, 9600});
}

void Main_Menu::connectWindowControls()
{
    connect(Ticket_Editor, &QPushButton::clicked, this, [this] { Ticket_Editor_Click(); });
    connect(cmdKaydet, &QPushButton::clicked, this, [this] { cmdKaydet_Click(); });
    clicks_.onClick(Saat_Cipi_Combo, [this] { Saat_Cipi_Combo_Click(); });
    connect(cmdTarihSaat, &QPushButton::clicked, this, [this] { cmdTarihSaat_Click(); });
}

void Main_Menu::Ticket_Editor_Click()
{
    Editor::showInsteadOf(editor_, model_, session_, dialogs_, this);
}

void Main_Menu::cmdKaydet_Click()
{
    takeTyped();
    document_.save();
}

// Not gated: the clock chip follows every selection, also those the load makes.
void Main_Menu::Saat_Cipi_Combo_Click()
{
    ::Saat_Cipi_Combo_Click(model_, Saat_Cipi_Combo->currentIndex());
    document_.record();
}

void Main_Menu::cmdTarihSaat_Click()
{
    session_.sendClock();
}

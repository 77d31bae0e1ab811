#include "layout_panels.h"

#include "layout_helpers.h"
#include "main_menu_texts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace layout;

void buildFreeControls(QWidget *window, MainMenuControls &c)
{
    c.Frame3 = frame(window, QStringLiteral("Frame3"), texts::kFrame3, {7080, 7800, 2535, 1575});
    c.Text4 = textBox(c.Frame3, QStringLiteral("Text4"), QStringLiteral("1"), {1080, 360, 495});
    c.Text4->setAccessibleName(texts::kFrame3);
    c.Command2 = command(c.Frame3, QStringLiteral("Command2"), texts::kCommand2, {600, 840});

    c.Ticket_Editor = command(window, QStringLiteral("Ticket_Editor"), texts::kTicketEditor, {10200, 7920, 2055, 615});
    c.cmdKaydet = command(window, QStringLiteral("cmdKaydet"), texts::kCmdKaydet, {10200, 8640, 2055, 615});
    c.Label22 = label(window, QStringLiteral("Label22"), texts::kClockChipLabel, {10320, 9360});
    c.Label22->setAlignment(Qt::AlignCenter);
    c.Saat_Cipi_Combo = combo(window, QStringLiteral("Saat_Cipi_Combo"), {texts::kClockDs1307, texts::kClockPcf8583},
                              {10200, 9720, 2055});
    c.Label22->setBuddy(c.Saat_Cipi_Combo);
    c.cmdTarihSaat = command(window, QStringLiteral("cmdTarihSaat"), texts::kCmdTarihSaat, {7080, 9480, 1935, 495});
    c.Label20 = progressLabel(window, QStringLiteral("Label20"), texts::kProgressAtStart, {9120, 9600});
}

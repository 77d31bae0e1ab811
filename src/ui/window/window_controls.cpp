#include "ui/window/window_controls.h"

#include "config/tanimlamalar.h"
#include "images/unit_names.h"
#include "session/unit_session.h"
#include "ui/editor/editor.h"
#include "ui/panels/layout_helpers.h"
#include "ui/panels/main_menu_rules.h"
#include "ui/panels/panel_texts.h"
#include "ui/window/menu_host.h"
#include "ui/window/window_texts.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace layout;

WindowControls::WindowControls(QWidget &window, Tanimlamalar &model, UnitSession &session, OperatorDialogs &dialogs,
                               MenuHost &host)
    : QObject(&window), window_(window), model_(model), session_(session), dialogs_(dialogs), host_(host), clicks_(this)
{
    Ticket_Editor = command(&window, QStringLiteral("Ticket_Editor"), texts::kTicketEditor, {10200, 7920, 2055, 615});
    cmdKaydet = command(&window, QStringLiteral("cmdKaydet"), texts::kCmdKaydet, {10200, 8640, 2055, 615});
    QLabel *Label22 = label(&window, QStringLiteral("Label22"), texts::kClockChipLabel, {10320, 9360});
    Label22->setAlignment(Qt::AlignCenter);
    Saat_Cipi_Combo = combo(&window, QStringLiteral("Saat_Cipi_Combo"),
                            {clockChipName(kClockChipDs1307), clockChipName(kClockChipPcf8583)}, {10200, 9720, 2055});
    Label22->setBuddy(Saat_Cipi_Combo);
    cmdTarihSaat = command(&window, QStringLiteral("cmdTarihSaat"), texts::kCmdTarihSaat, {7080, 9480, 1935, 495});
    Label20 = progressLabel(&window, QStringLiteral("Label20"), texts::kProgressAtStart, {9120, 9600});

    connect(Ticket_Editor, &QPushButton::clicked, this, [this] { Ticket_Editor_Click(); });
    connect(cmdKaydet, &QPushButton::clicked, this, [this] { cmdKaydet_Click(); });
    clicks_.onClick(Saat_Cipi_Combo, [this] { Saat_Cipi_Combo_Click(); });
    connect(cmdTarihSaat, &QPushButton::clicked, this, [this] { cmdTarihSaat_Click(); });
}

QList<QWidget *> WindowControls::tabOrder() const
{
    return {Ticket_Editor, cmdKaydet, Saat_Cipi_Combo, cmdTarihSaat};
}

void WindowControls::selectClockChip(int position) const
{
    clicks_.selectEntry(Saat_Cipi_Combo, position);
}

void WindowControls::showClockProgress(const QString &caption) const
{
    Label20->setText(caption);
}

void WindowControls::closeEditor()
{
    delete editor_;
}

void WindowControls::Ticket_Editor_Click()
{
    Editor::showInsteadOf(editor_, model_, session_, dialogs_, &window_);
}

void WindowControls::cmdKaydet_Click()
{
    host_.takeTyped();
    session_.document().save();
}

// Not gated: the clock chip follows every selection, also those the load makes.
void WindowControls::Saat_Cipi_Combo_Click()
{
    ::Saat_Cipi_Combo_Click(model_, Saat_Cipi_Combo->currentIndex());
    session_.document().record();
}

void WindowControls::cmdTarihSaat_Click()
{
    session_.sendClock();
}

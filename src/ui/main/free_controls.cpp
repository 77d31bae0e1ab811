#include "main_menu.h"

#include "main_menu_texts.h"
#include "panel_load.h"
#include "settings_messages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

void Main_Menu::connectFreeControls()
{
    // The model keeps the COM port number as the text of Text4.
    connect(c_.Text4, &QLineEdit::textChanged, this, [this](const QString &text) { model_.Text4 = text; });
    connect(c_.Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(c_.cmdKaydet, &QPushButton::clicked, this, [this] { cmdKaydet_Click(); });
    connect(c_.Ticket_Editor, &QPushButton::clicked, this, [this] { Ticket_Editor_Click(); });
    onClick(c_.Saat_Cipi_Combo, [this] { Saat_Cipi_Combo_Click(); });
    connect(c_.cmdTarihSaat, &QPushButton::clicked, this, [this] { cmdTarihSaat_Click(); });
    connect(c_.Buton_Gonder, &QPushButton::clicked, this, [this] { Buton_Gonder_Click(); });
    connect(c_.Terminal_Gonder, &QPushButton::clicked, this, [this] { Terminal_Gonder_Click(); });
}

// The port stays as opened at start-up; the new number is used from the next start.
void Main_Menu::Command2_Click()
{
    dosyaya_kaydet(model_, dialogs_);
    dialogs_.inform(texts::kRestartForPort);
}

void Main_Menu::cmdKaydet_Click()
{
    dosyaya_kaydet(model_, dialogs_);
}

void Main_Menu::Ticket_Editor_Click()
{
    Editor::showInsteadOf(editor_, model_, session_, dialogs_, this);
}

// Not gated: the clock chip follows every selection, also those the load makes.
void Main_Menu::Saat_Cipi_Combo_Click()
{
    ::Saat_Cipi_Combo_Click(model_, c_.Saat_Cipi_Combo->currentIndex());
}

void Main_Menu::cmdTarihSaat_Click()
{
    session_.sendClock();
}

void Main_Menu::Buton_Gonder_Click()
{
    session_.sendButtons();
}

void Main_Menu::Terminal_Gonder_Click()
{
    session_.sendTerminals();
}

#pragma once

#include "operator_dialogs.h"
#include "tanimlamalar.h"
#include "transfer_engine.h"

#include <QDateTime>

// What the send commands act on.
struct LinkContext {
    Tanimlamalar &model;
    TransferEngine &engine;
    OperatorDialogs &dialogs;
};

// Save the settings file, then send the button or terminal image; an image whose last
// build was refused is not sent and the operator is told which value is at fault.
void Buton_Gonder_Click(LinkContext &context);
void Terminal_Gonder_Click(LinkContext &context);

// Builds the date-time frame for the model's clock chip from the given moment and sends it.
void cmdTarihSaat_Click(LinkContext &context, const QDateTime &now = QDateTime::currentDateTime());

// Entry 0 = DS1307, 1 = PCF8583; no selection (-1) leaves ClockChip unchanged.
void Saat_Cipi_Combo_Click(Tanimlamalar &model, int selectedIndex);

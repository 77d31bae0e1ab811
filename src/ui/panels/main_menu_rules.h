#pragma once

#include "config/tanimlamalar.h"

#include <QString>
#include <QStringList>

// Small rules of the window's controls that need no widget.

// Saat_Cipi_Combo: entry 0 = DS1307, 1 = PCF8583; no selection (-1) leaves ClockChip unchanged.
void Saat_Cipi_Combo_Click(Tanimlamalar &model, int selectedIndex);

QString enableCaption(bool ticked);
QString limitCaption(bool ticked);

// The controls whose enabled state follows the group's enable value, in the order they change.
const QStringList &enableRowNames();

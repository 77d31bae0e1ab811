#pragma once

#include <QString>

// How the operator knows the unit's parts, in every window, message, report and file: from
// the index the model uses (0 for "1. Buton").
QString groupName(int group);
QString terminalName(int terminal);
// The clock chip the unit is set for: 1 is the PCF8583, any other value the DS1307.
QString clockChipName(int clockChip);

// What the unit's clock setting is called wherever it is shown.
inline const QString kClockChipWord = QStringLiteral("Saat Çipi");

// The words of a group's two flags, for the stored on-value and for 0.
inline const QString kEnabledWord = QStringLiteral("Açık");
inline const QString kDisabledWord = QStringLiteral("Kapalı");
inline const QString kLimitWord = QStringLiteral("Var");
inline const QString kNoLimitWord = QStringLiteral("Yok");

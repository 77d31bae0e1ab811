#pragma once

#include <QString>

// How the operator knows the unit's parts, in every window, message, report and file: from
// the index the model uses (0 for "1. Buton").
QString groupName(int group);
QString terminalName(int terminal);

// The words of a group's two flags, for the stored on-value and for 0.
inline const QString kEnabledWord = QStringLiteral("Açık");
inline const QString kDisabledWord = QStringLiteral("Kapalı");
inline const QString kLimitWord = QStringLiteral("Var");
inline const QString kNoLimitWord = QStringLiteral("Yok");

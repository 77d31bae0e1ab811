#pragma once

#include "config/tanimlamalar.h"

#include <QList>
#include <QString>

// What an installer would want to look at again, found without changing any value.
enum class CheckKind {
    StartAboveEnd,           // an enabled group whose start is above its end
    LastIssuedOutsideRange,  // an enabled group whose last issued number lies outside start..end
    EmptyList,               // a terminal whose slots 0..15 all name no group
    DisabledGroupInSlot,     // a slot 0..15 naming a group that is not enabled
};

struct SiteFinding {
    CheckKind kind;
    int group = -1;     // 0..31 for the group checks; the named group for DisabledGroupInSlot
    int terminal = -1;  // 0..63 for the terminal checks
    int slot = -1;      // 0..15 for DisabledGroupInSlot
    // The group's values the group checks name, as found.
    int16_t start = 0;
    int16_t end = 0;
    int16_t lastIssued = 0;
    // One line for the operator, e.g. "3. Buton: başlangıç (150) bitişten (100) büyük".
    QString text() const;
};

// Groups first (by group), then terminals (by terminal and slot).
QList<SiteFinding> siteChecks(const Tanimlamalar &model);

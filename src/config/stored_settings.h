#pragma once

#include "config/tanimlamalar.h"

// The values the settings file stores, apart from the images, transfer state and flags: what
// a save writes, what "modified" compares and what an undo step brings back. Some 9 KB.
struct StoredSettings {
    GroupArray GroupEnable{};
    GroupArray GroupEnableCopy{};
    GroupArray GroupStart{};
    GroupArray GroupEnd{};
    GroupArray GroupLastCalled{};
    GroupArray GroupLastIssued{};
    GroupArray GroupLayout{};
    GroupArray GroupLimit{};
    PriorityTable PriorityGroup{};
    PriorityTable PriorityCount{};
    int16_t ClockChip = 0;
    QString Text4;

    bool operator==(const StoredSettings &other) const;
    bool operator!=(const StoredSettings &other) const { return !(*this == other); }
};

StoredSettings storedSettingsOf(const Tanimlamalar &model);
void applyStoredSettings(Tanimlamalar &model, const StoredSettings &values);

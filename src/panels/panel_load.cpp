#include "panels/panel_load.h"

#include "config/number_conversions.h"

namespace {

std::optional<bool> storedFlag(int16_t value, int16_t on)
{
    if (value == on)
        return true;
    if (value == 0)
        return false;
    return std::nullopt;
}

}  // namespace

QString countText(int16_t count)
{
    return count == kMaxCount ? kMaxCountText : FormatSigned(count);
}

int listPosition(int value, int entries)
{
    return value >= 0 && value < entries ? value : -1;
}

std::array<SlotLoad, kPanelSlotCount> terminalLoad(const Tanimlamalar &model, int terminal)
{
    std::array<SlotLoad, kPanelSlotCount> rows;
    for (int s = 0; s < kPanelSlotCount; ++s) {
        rows[s] = {listPosition(model.PriorityGroup[terminal][s], kSlotGroupEntries),
                   countText(model.PriorityCount[terminal][s])};
    }
    return rows;
}

GroupLoad groupLoad(const Tanimlamalar &model, int group)
{
    return {FormatPlain(model.GroupStart[group]),
            FormatPlain(model.GroupEnd[group]),
            FormatPlain(model.GroupLastCalled[group]),
            FormatPlain(model.GroupLastIssued[group]),
            storedFlag(model.GroupEnable[group], kEnabled),
            storedFlag(model.GroupLimit[group], kLimitOn),
            listPosition(model.GroupLayout[group], kLayoutCount),
            model.ClockChip == kClockChipPcf8583 ? 1 : 0};
}

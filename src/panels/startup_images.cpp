#include "panels/startup_images.h"

#include "panels/panel_load.h"
#include "panels/update_data.h"

namespace {

// A fresh window's check boxes are unticked; a stored flag they cannot show leaves them so.
CheckState freshCheckState(std::optional<bool> shown)
{
    return shown.value_or(false) ? CheckState::Ticked : CheckState::Unticked;
}

}  // namespace

PanelState startupPanelState(const Tanimlamalar &model)
{
    constexpr int kFirst = 0;
    PanelState panels;
    panels.terminal = kFirst;
    const std::array<SlotLoad, kPanelSlotCount> rows = terminalLoad(model, kFirst);
    for (int s = 0; s < kPanelSlotCount; ++s) {
        panels.slotGroup[s] = rows[s].position;
        panels.slotCount[s] = rows[s].count;
    }
    panels.group = kFirst;
    const GroupLoad group = groupLoad(model, kFirst);
    panels.start = group.start;
    panels.end = group.end;
    panels.lastCalled = group.lastCalled;
    panels.lastIssued = group.lastIssued;
    panels.enable = freshCheckState(group.enabled);
    panels.limit = freshCheckState(group.limit);
    panels.layout = group.layoutPosition;
    return panels;
}

void buildStartupImages(Tanimlamalar &model)
{
    Update_data(model, startupPanelState(model));
}

#include "site/priority_copy.h"

namespace {

bool isTerminal(int index)
{
    return index >= 0 && index < kTerminalCount;
}

}  // namespace

void copyPriorityList(Tanimlamalar &model, int source, const QList<int> &targets)
{
    if (!isTerminal(source))
        return;
    for (int target : targets) {
        if (!isTerminal(target))
            continue;
        for (int s = 0; s < kPanelSlotCount; ++s) {
            model.PriorityGroup[target][s] = model.PriorityGroup[source][s];
            model.PriorityCount[target][s] = model.PriorityCount[source][s];
        }
    }
}

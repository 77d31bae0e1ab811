#include "site/site_checks.h"

#include "images/refusal_names.h"
#include "images/unit_names.h"

namespace {

bool isEnabled(const Tanimlamalar &model, int group)
{
    return model.GroupEnable[group] == kEnabled;
}

SiteFinding groupFinding(const Tanimlamalar &model, CheckKind kind, int group)
{
    SiteFinding finding{kind, group};
    finding.start = model.GroupStart[group];
    finding.end = model.GroupEnd[group];
    finding.lastIssued = model.GroupLastIssued[group];
    return finding;
}

void checkGroup(const Tanimlamalar &model, int g, QList<SiteFinding> &found)
{
    if (!isEnabled(model, g))
        return;
    const int16_t last = model.GroupLastIssued[g];
    if (model.GroupStart[g] > model.GroupEnd[g])
        found.append(groupFinding(model, CheckKind::StartAboveEnd, g));
    // With the start above the end there is no range to lie outside of; the finding above says it.
    else if (last < model.GroupStart[g] || last > model.GroupEnd[g])
        found.append(groupFinding(model, CheckKind::LastIssuedOutsideRange, g));
}

void checkTerminal(const Tanimlamalar &model, int t, QList<SiteFinding> &found)
{
    bool empty = true;
    for (int s = 0; s < kPanelSlotCount; ++s) {
        const int16_t named = model.PriorityGroup[t][s];
        if (named < 1 || named > kSelectableGroups)
            continue;
        empty = false;
        if (!isEnabled(model, named - 1))
            found.append({CheckKind::DisabledGroupInSlot, named - 1, t, s});
    }
    if (empty)
        found.append({CheckKind::EmptyList, -1, t});
}

}  // namespace

QString SiteFinding::text() const
{
    switch (kind) {
    case CheckKind::StartAboveEnd:
        return QStringLiteral("%1: başlangıç (%2) bitişten (%3) büyük").arg(groupName(group)).arg(start).arg(end);
    case CheckKind::LastIssuedOutsideRange:
        return QStringLiteral("%1: son bilet (%2) %3..%4 aralığının dışında")
            .arg(groupName(group))
            .arg(lastIssued)
            .arg(start)
            .arg(end);
    case CheckKind::EmptyList:
        return QStringLiteral("%1: öncelik listesi boş").arg(terminalName(terminal));
    case CheckKind::DisabledGroupInSlot:
        return QStringLiteral("%1: %2 kapalı").arg(refusalNames::slotCount(terminal, slot), groupName(group));
    }
    return {};
}

QList<SiteFinding> siteChecks(const Tanimlamalar &model)
{
    QList<SiteFinding> found;
    for (int g = 0; g < kGroupCount; ++g)
        checkGroup(model, g, found);
    for (int t = 0; t < kTerminalCount; ++t)
        checkTerminal(model, t, found);
    return found;
}

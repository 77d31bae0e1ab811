#include "panels/capture.h"

#include "config/number_conversions.h"
#include "images/refusal_names.h"

namespace {

std::optional<int16_t> countValue(const QString &text)
{
    if (text == kMaxCountText)
        return kMaxCount;
    return ToInt16(ParseNumber(text));
}

bool validSelection(int position, int entries)
{
    return position >= 0 && position < entries;
}

// Every value that can be captured is; the first one that cannot keeps its model entry
// and is named in the refusal, so one bad value never discards the operator's other edits.
class Capture {
public:
    std::optional<BuildRefusal> refusal;

    void selection(int position, int entries, int16_t &entry, const QString &where)
    {
        if (validSelection(position, entries))
            entry = static_cast<int16_t>(position);
        else
            refuse(where, QString::number(entry));
    }

    void number(std::optional<int16_t> value, const QString &text, int16_t &entry, const QString &where)
    {
        if (value)
            entry = *value;
        else
            refuse(where, text.trimmed());
    }

private:
    void refuse(const QString &where, const QString &value)
    {
        if (!refusal)
            refusal = BuildRefusal{where, value};
    }
};

}  // namespace

std::optional<BuildRefusal> captureTerminalPanel(const PanelState &panels, Tanimlamalar &model)
{
    const int t = panels.terminal;
    if (!validSelection(t, kTerminalCount))
        return BuildRefusal{refusalNames::terminalSelector(), QString::number(t + 1)};
    Capture capture;
    for (int s = 0; s < kPanelSlotCount; ++s) {
        capture.selection(panels.slotGroup[s], kSlotGroupEntries, model.PriorityGroup[t][s],
                          refusalNames::slotGroup(t, s));
        capture.number(countValue(panels.slotCount[s]), panels.slotCount[s], model.PriorityCount[t][s],
                       refusalNames::slotCount(t, s));
    }
    return capture.refusal;
}

std::optional<BuildRefusal> captureGroupPanel(const PanelState &panels, Tanimlamalar &model)
{
    const int g = panels.group;
    if (!validSelection(g, kGroupCount))
        return BuildRefusal{refusalNames::groupSelector(), QString::number(g + 1)};
    Capture capture;
    const std::array<std::tuple<GroupField, const QString *, int16_t *>, 4> texts{{
        {GroupField::Start, &panels.start, &model.GroupStart[g]},
        {GroupField::End, &panels.end, &model.GroupEnd[g]},
        {GroupField::LastCalled, &panels.lastCalled, &model.GroupLastCalled[g]},
        {GroupField::LastIssued, &panels.lastIssued, &model.GroupLastIssued[g]},
    }};
    for (const auto &[field, text, entry] : texts)
        capture.number(ToInt16(ParseNumber(*text)), *text, *entry, refusalNames::groupField(g, field));
    if (panels.enable != CheckState::Grey) {
        model.GroupEnable[g] = panels.enable == CheckState::Ticked ? kEnabled : 0;
        model.GroupEnableCopy[g] = model.GroupEnable[g];
    }
    if (panels.limit != CheckState::Grey)
        model.GroupLimit[g] = panels.limit == CheckState::Ticked ? kLimitOn : 0;
    capture.selection(panels.layout, kLayoutCount, model.GroupLayout[g],
                      refusalNames::groupField(g, GroupField::Layout));
    return capture.refusal;
}

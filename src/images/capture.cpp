#include "capture.h"

#include "number_conversions.h"
#include "refusal_names.h"

namespace {

const QString kMaxText = QStringLiteral("MAX");

std::optional<int16_t> countValue(const QString &text)
{
    if (text == kMaxText)
        return kMaxCount;
    return ToInt16(ParseNumber(text));
}

// A selector that cannot show a stored value has no selection; the refusal names that value.
QString storedValue(int value)
{
    return QString::number(value);
}

bool validSelection(int position, int entries)
{
    return position >= 0 && position < entries;
}

}  // namespace

std::optional<BuildRefusal> captureTerminalPanel(const PanelState &panels, Tanimlamalar &model)
{
    const int t = panels.terminal;
    if (!validSelection(t, kTerminalCount))
        return BuildRefusal{refusalNames::terminalSelector(), storedValue(t + 1)};
    std::array<int16_t, kPanelSlotCount> counts{};
    for (int s = 0; s < kPanelSlotCount; ++s) {
        if (!validSelection(panels.slotGroup[s], 17))
            return BuildRefusal{refusalNames::slotGroup(t, s), storedValue(model.PriorityGroup[t][s])};
        const auto count = countValue(panels.slotCount[s]);
        if (!count)
            return BuildRefusal{refusalNames::slotCount(t, s), panels.slotCount[s].trimmed()};
        counts[s] = *count;
    }
    for (int s = 0; s < kPanelSlotCount; ++s) {
        model.PriorityGroup[t][s] = static_cast<int16_t>(panels.slotGroup[s]);
        model.PriorityCount[t][s] = counts[s];
    }
    return std::nullopt;
}

std::optional<BuildRefusal> captureGroupPanel(const PanelState &panels, Tanimlamalar &model)
{
    const int g = panels.group;
    if (!validSelection(g, kGroupCount))
        return BuildRefusal{refusalNames::groupSelector(), storedValue(g + 1)};
    if (!validSelection(panels.layout, 16))
        return BuildRefusal{refusalNames::groupField(g, GroupField::Layout), storedValue(model.GroupLayout[g])};
    const std::array<std::pair<GroupField, const QString *>, 4> texts{{
        {GroupField::Start, &panels.start},
        {GroupField::End, &panels.end},
        {GroupField::LastCalled, &panels.lastCalled},
        {GroupField::LastIssued, &panels.lastIssued},
    }};
    std::array<int16_t, 4> numbers{};
    for (size_t i = 0; i < texts.size(); ++i) {
        const auto number = ToInt16(ParseNumber(*texts[i].second));
        if (!number)
            return BuildRefusal{refusalNames::groupField(g, texts[i].first), texts[i].second->trimmed()};
        numbers[i] = *number;
    }
    model.GroupStart[g] = numbers[0];
    model.GroupEnd[g] = numbers[1];
    model.GroupLastCalled[g] = numbers[2];
    model.GroupLastIssued[g] = numbers[3];
    if (panels.enable != CheckState::Grey) {
        model.GroupEnable[g] = panels.enable == CheckState::Ticked ? kEnabled : 0;
        model.GroupEnableCopy[g] = model.GroupEnable[g];
    }
    if (panels.limit != CheckState::Grey)
        model.GroupLimit[g] = panels.limit == CheckState::Ticked ? 1 : 0;
    model.GroupLayout[g] = static_cast<int16_t>(panels.layout);
    return std::nullopt;
}

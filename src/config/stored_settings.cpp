#include "stored_settings.h"

#include <tuple>

namespace {

auto fields(const StoredSettings &s)
{
    return std::tie(s.GroupEnable, s.GroupEnableCopy, s.GroupStart, s.GroupEnd, s.GroupLastCalled, s.GroupLastIssued,
                    s.GroupLayout, s.GroupLimit, s.PriorityGroup, s.PriorityCount, s.ClockChip, s.Text4);
}

}  // namespace

bool StoredSettings::operator==(const StoredSettings &other) const
{
    return fields(*this) == fields(other);
}

StoredSettings storedSettingsOf(const Tanimlamalar &model)
{
    return {model.GroupEnable,     model.GroupEnableCopy, model.GroupStart,  model.GroupEnd,
            model.GroupLastCalled, model.GroupLastIssued, model.GroupLayout, model.GroupLimit,
            model.PriorityGroup,   model.PriorityCount,   model.ClockChip,   model.Text4};
}

void applyStoredSettings(Tanimlamalar &model, const StoredSettings &values)
{
    model.GroupEnable = values.GroupEnable;
    model.GroupEnableCopy = values.GroupEnableCopy;
    model.GroupStart = values.GroupStart;
    model.GroupEnd = values.GroupEnd;
    model.GroupLastCalled = values.GroupLastCalled;
    model.GroupLastIssued = values.GroupLastIssued;
    model.GroupLayout = values.GroupLayout;
    model.GroupLimit = values.GroupLimit;
    model.PriorityGroup = values.PriorityGroup;
    model.PriorityCount = values.PriorityCount;
    model.ClockChip = values.ClockChip;
    model.Text4 = values.Text4;
}

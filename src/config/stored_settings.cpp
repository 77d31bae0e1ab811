#include "config/stored_settings.h"

#include <tuple>

namespace {

// The stored values in one order, for the copy each way and the comparison.
template <typename Values>
auto fields(Values &v)
{
    return std::tie(v.GroupEnable, v.GroupEnableCopy, v.GroupStart, v.GroupEnd, v.GroupLastCalled, v.GroupLastIssued,
                    v.GroupLayout, v.GroupLimit, v.PriorityGroup, v.PriorityCount, v.ClockChip, v.Text4);
}

}  // namespace

bool StoredSettings::operator==(const StoredSettings &other) const
{
    return fields(*this) == fields(other);
}

StoredSettings storedSettingsOf(const Tanimlamalar &model)
{
    StoredSettings values;
    fields(values) = fields(model);
    return values;
}

void applyStoredSettings(Tanimlamalar &model, const StoredSettings &values)
{
    fields(model) = fields(values);
}

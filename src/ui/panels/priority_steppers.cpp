#include "ui/panels/priority_steppers.h"

#include "config/number_conversions.h"
#include "config/tanimlamalar.h"
#include "ui/panels/group_steppers.h"
#include "ui/panels/panel_texts.h"

namespace {

StepResult stepUp(const QString &text, int step)
{
    if (text == kMaxCountText)
        return {texts::kCountIsMax, std::nullopt};
    const double v = ParseNumber(text) + step;
    if (v > kHighestCount)
        return {texts::kCountAbove254, kMaxCountText};
    return {std::nullopt, FormatPlain(v)};
}

// A count above 255 comes only from a hand-edited file or a typed text; stepping it
// down lands on 255, which the next load shows as "MAX".
StepResult stepDown(const QString &text, int step)
{
    const double v = text == kMaxCountText ? kHighestCount : ParseNumber(text) + step;
    if (v < 0) {
        if (step == kStepDownFifty)
            return {texts::kCountBelowZero, QStringLiteral("0")};
        return {texts::kCountBelowZero, std::nullopt};
    }
    if (v > double(kMaxCount))
        return {texts::kCountAbove255, FormatPlain(double(kMaxCount))};
    return {std::nullopt, FormatPlain(v)};
}

}  // namespace

StepResult stepPriorityCount(const QString &text, int step)
{
    return step > 0 ? stepUp(text, step) : stepDown(text, step);
}

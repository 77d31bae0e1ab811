#include "ui/panels/number_validators.h"

#include "config/tanimlamalar.h"

#include <algorithm>

namespace {

// Blanks are allowed anywhere, as the number reader skips them: a loaded " 5" can be
// edited into " 50".
QValidator::State digitsUpTo(const QString &input, int highest)
{
    QString digits = input;
    digits.remove(QLatin1Char(' '));
    if (digits.isEmpty())
        return QValidator::Intermediate;
    bool ok = false;
    const int value = digits.toInt(&ok);
    const bool allDigits = std::all_of(digits.cbegin(), digits.cend(),
                                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    if (!ok || !allDigits || value > highest)
        return QValidator::Invalid;
    return QValidator::Acceptable;
}

}  // namespace

QValidator::State TicketNumberValidator::validate(QString &input, int &) const
{
    return digitsUpTo(input, kHighestTicketNumber);
}

QValidator::State PriorityCountValidator::validate(QString &input, int &) const
{
    if (input == kMaxCountText)
        return Acceptable;
    if (kMaxCountText.startsWith(input) && !input.isEmpty())
        return Intermediate;
    return digitsUpTo(input, kHighestCount);
}

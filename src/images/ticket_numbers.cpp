#include "images/ticket_numbers.h"

#include "config/tanimlamalar.h"

#include <array>

namespace {

const std::array<const char *, kLayoutCount> kOrdinals = {
    "1st", "2nd",  "3rd",  "4th",  "5th",  "6th",  "7th",  "8th",
    "9th", "10th", "11th", "12th", "13th", "14th", "15th", "16th",
};

}  // namespace

QString ticketItemText(int n)
{
    return QLatin1String(kOrdinals.at(n)) + QStringLiteral(" Ticket");
}

QString ticketPrompt(int n)
{
    return QStringLiteral("Do you want send as ") + QLatin1String(kOrdinals.at(n)) + QStringLiteral(" TICKET?");
}

#include "images/refusal_names.h"

#include "images/unit_names.h"

#include <array>

namespace refusalNames {

QString terminalSelector()
{
    return QStringLiteral("Terminal No");
}

QString groupSelector()
{
    return QStringLiteral("Buton No");
}

QString slotCount(int terminal, int slot)
{
    return QStringLiteral("%1, %2. Öncelikli Buton").arg(terminalName(terminal)).arg(slot + 1);
}

QString slotGroup(int terminal, int slot)
{
    return slotCount(terminal, slot) + QStringLiteral(" grup numarası");
}

QString groupField(int group, GroupField field)
{
    static const std::array<const char *, 8> names = {"Başlangıç Sayısı",    "Bitiş Sayısı", "En Son Çağrılan",
                                                      "En Son Bilet",        "Buton Açık",   "Buton Açık",
                                                      "Bilet Data Numarası", "Limit"};
    return groupName(group) + QStringLiteral(", ") + QString::fromUtf8(names.at(static_cast<size_t>(field)));
}

}  // namespace refusalNames

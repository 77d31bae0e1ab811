#include "session/step_names.h"

#include "images/unit_names.h"

#include <QSet>

#include <array>

namespace {

struct GroupValue {
    const GroupArray StoredSettings::*values;
    const char *name;
};

// GroupEnableCopy follows GroupEnable, so the two are one value to the operator.
const std::array<GroupValue, 7> kGroupValues{{
    {&StoredSettings::GroupEnable, "Durum"},
    {&StoredSettings::GroupStart, "Başlangıç Sayısı"},
    {&StoredSettings::GroupEnd, "Bitiş Sayısı"},
    {&StoredSettings::GroupLastCalled, "En Son Çağrılan"},
    {&StoredSettings::GroupLastIssued, "En Son Bilet"},
    {&StoredSettings::GroupLimit, "Limit"},
    {&StoredSettings::GroupLayout, "Bilet Datası"},
}};

// The changed values, each with its name and the unit it belongs to ("3. Buton").
class Changes {
public:
    QSet<QString> keys;
    QSet<QString> owners;
    QString lastName;

    void add(const QString &owner, const QString &name)
    {
        keys.insert(owner + QLatin1Char(' ') + name);
        owners.insert(owner);
        lastName = name;
    }
};

void groupChanges(const StoredSettings &before, const StoredSettings &after, Changes &changes)
{
    for (const GroupValue &value : kGroupValues) {
        for (int g = 0; g < kGroupCount; ++g) {
            const bool copyChanged =
                value.values == &StoredSettings::GroupEnable && before.GroupEnableCopy[g] != after.GroupEnableCopy[g];
            if ((before.*value.values)[g] != (after.*value.values)[g] || copyChanged)
                changes.add(groupName(g), QString::fromUtf8(value.name));
        }
    }
}

void slotChanges(const StoredSettings &before, const StoredSettings &after, Changes &changes)
{
    for (int t = 0; t < kTerminalCount; ++t) {
        for (int s = 0; s < kSlotCount; ++s) {
            if (before.PriorityGroup[t][s] != after.PriorityGroup[t][s] ||
                before.PriorityCount[t][s] != after.PriorityCount[t][s])
                changes.add(terminalName(t), QStringLiteral("%1. Öncelik").arg(s + 1));
        }
    }
}

}  // namespace

StepName stepName(const StoredSettings &before, const StoredSettings &after)
{
    Changes changes;
    if (before.Text4 != after.Text4)
        changes.add(QStringLiteral("Com Port"), {});
    if (before.ClockChip != after.ClockChip)
        changes.add(kClockChipWord, {});
    groupChanges(before, after, changes);
    slotChanges(before, after, changes);
    if (changes.owners.size() != 1)
        return {QStringLiteral("%1 değer").arg(changes.keys.size()), {}};
    const QString owner = *changes.owners.cbegin();
    if (changes.keys.size() > 1)
        return {owner, {}};
    const QString key = *changes.keys.cbegin();
    // A slot is named as its row: "5. Terminal, 3. Öncelik".
    if (owner.endsWith(QStringLiteral("Terminal")))
        return {owner + QStringLiteral(", ") + changes.lastName, key};
    return {key.trimmed(), key};
}

QString copyStepName(int source, int targets)
{
    return QStringLiteral("%1 listesi %2 terminale kopyalandı").arg(terminalName(source)).arg(targets);
}

QString csvImportStepName()
{
    return QStringLiteral("CSV'den içe aktarma");
}

QString restoreStepName()
{
    return QStringLiteral("Yedekten geri yükleme");
}

QString sheetStepName(SheetAction action, qsizetype cells)
{
    switch (action) {
    case SheetAction::Paste:
        return QStringLiteral("%1 hücreye yapıştırma").arg(cells);
    case SheetAction::Clear:
        return QStringLiteral("%1 hücre temizleme").arg(cells);
    case SheetAction::FillDown:
        return QStringLiteral("%1 hücreye aşağı doldurma").arg(cells);
    }
    return {};
}

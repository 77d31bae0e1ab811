#include "site/sheet_messages.h"

#include "images/unit_names.h"

QString groupCellName(int group, int column)
{
    return QStringLiteral("%1, %2").arg(groupName(group), kGroupValues[column - 1].rule.name);
}

QString slotCellName(int terminal, int slot)
{
    return QStringLiteral("%1, %2. Öncelik").arg(terminalName(terminal)).arg(slot + 1);
}

QString cellRefusal(const QString &cell, const QString &value, const QString &allowed)
{
    return QStringLiteral("%1: %2 kabul edilmez (%3)").arg(cell, value, allowed);
}

QString namedRange(const ColumnRule &rule)
{
    // The rules' names have no dotted or dotless I, which a plain lowering would get wrong.
    return QStringLiteral("%1 %2").arg(rule.name.toLower(), rule.allowed());
}

QString flagRange(const QString &on, const QString &off, const ColumnRule &rule)
{
    return QStringLiteral("%1, %2 ya da %3").arg(on, off, rule.allowed());
}

QString withHint(const QString &refusal, const QString &hint)
{
    return QStringLiteral("%1. %2").arg(refusal, hint);
}

QString pastePastEdge(qsizetype rows, qsizetype columns)
{
    return QStringLiteral("%1 satır, %2 sütunluk blok buradan tablonun kenarını aşıyor.").arg(rows).arg(columns);
}

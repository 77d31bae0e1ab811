#include "images/unit_names.h"

#include "config/tanimlamalar.h"

QString groupName(int group)
{
    return QStringLiteral("%1. Buton").arg(group + 1);
}

QString terminalName(int terminal)
{
    return QStringLiteral("%1. Terminal").arg(terminal + 1);
}

QString clockChipName(int clockChip)
{
    return clockChip == kClockChipPcf8583 ? QStringLiteral("PCF8583") : QStringLiteral("DS1307");
}

#include "unit_names.h"

QString groupName(int group)
{
    return QStringLiteral("%1. Buton").arg(group + 1);
}

QString terminalName(int terminal)
{
    return QStringLiteral("%1. Terminal").arg(terminal + 1);
}

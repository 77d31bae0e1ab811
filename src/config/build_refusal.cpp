#include "config/tanimlamalar.h"

QString BuildRefusal::message() const
{
    return QStringLiteral("%1: %2 gönderilemez.").arg(where).arg(value);
}

#include "ports/port_names.h"

#include <QRegularExpression>

QString comPortDeviceName(int portNumber)
{
    return QStringLiteral("COM%1").arg(portNumber);
}

QString givenDeviceName(const QString &typed)
{
    static const QRegularExpression comName(QStringLiteral("^com([0-9]+)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comName.match(typed.trimmed());
    return match.hasMatch() ? QStringLiteral("COM") + match.captured(1) : typed;
}

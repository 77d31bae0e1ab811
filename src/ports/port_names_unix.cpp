#include "ports/port_names.h"

#include "config/platform_paths.h"

#include <QFileInfo>

QString comPortDeviceName(int portNumber)
{
    const QFileInfo link(settingsFolder() + QStringLiteral("/ports/com%1").arg(portNumber));
    if (link.isSymLink())
        return link.symLinkTarget();
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
}

QString givenDeviceName(const QString &typed)
{
    return typed;
}

#include "platform_paths.h"

#include <QDir>
#include <QFileInfo>

const QString kShownSettingsPath = QStringLiteral("C:\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt");

#ifdef Q_OS_WIN

QString settingsFilePath()
{
    return kShownSettingsPath;
}

QString comPortDeviceName(int portNumber)
{
    return QStringLiteral("COM%1").arg(portNumber);
}

#else

namespace {

QString settingsFolder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/bilvex");
}

}  // namespace

QString settingsFilePath()
{
    return settingsFolder() + QStringLiteral("/ZEMRA_Bilvex_Polynet_Ver_3_04.txt");
}

QString comPortDeviceName(int portNumber)
{
    const QFileInfo link(settingsFolder() + QStringLiteral("/ports/com%1").arg(portNumber));
    if (link.isSymLink())
        return link.symLinkTarget();
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
}

#endif

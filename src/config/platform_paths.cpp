#include "platform_paths.h"

#include <QDir>

const QString kShownSettingsPath = QStringLiteral("C:\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt");

#ifdef Q_OS_WIN

QString settingsFolder()
{
    return QStringLiteral("C:\\");
}

QString settingsFilePath()
{
    return kShownSettingsPath;
}

#else

QString settingsFolder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/bilvex");
}

QString settingsFilePath()
{
    return settingsFolder() + QStringLiteral("/ZEMRA_Bilvex_Polynet_Ver_3_04.txt");
}

#endif

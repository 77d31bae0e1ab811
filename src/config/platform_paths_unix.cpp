#include "platform_paths.h"

#include <QDir>

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

// Qt's save file writes into the file itself where it cannot make its temporary file.
bool saveRewritesInPlaceItself()
{
    return false;
}

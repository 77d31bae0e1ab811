#include "settings_folder.h"

#include "config/platform_paths.h"

#include <QDir>
#include <QFile>

QString SettingsFolder::settingsFile() const
{
    return settingsFilePath();
}

QByteArray SettingsFolder::fileBytes() const
{
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SettingsFolder::writeFile(const QByteArray &bytes) const
{
    QDir().mkpath(folder());
    QFile file(settingsFile());
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

#include "settings_folder.h"

#include "platform_paths.h"

#include <QDir>
#include <QFile>

SettingsFolder::SettingsFolder() : previous_(qgetenv("XDG_CONFIG_HOME"))
{
    qputenv("XDG_CONFIG_HOME", root_.path().toLocal8Bit());
}

SettingsFolder::~SettingsFolder()
{
    qputenv("XDG_CONFIG_HOME", previous_);
}

QString SettingsFolder::settingsFile() const
{
    return settingsFilePath();
}

QString SettingsFolder::folder() const
{
    return root_.path() + QStringLiteral("/bilvex");
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

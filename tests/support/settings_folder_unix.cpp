#include "settings_folder.h"

SettingsFolder::SettingsFolder() : previous_(qgetenv("XDG_CONFIG_HOME"))
{
    qputenv("XDG_CONFIG_HOME", root_.path().toLocal8Bit());
}

SettingsFolder::~SettingsFolder()
{
    qputenv("XDG_CONFIG_HOME", previous_);
}

QString SettingsFolder::folder() const
{
    return root_.path() + QStringLiteral("/bilvex");
}

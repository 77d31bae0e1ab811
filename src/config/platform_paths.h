#pragma once

#include <QString>

// Where this platform keeps the settings file.

// The path the operator's messages show, whatever the platform.
extern const QString kShownSettingsPath;

// Linux: $XDG_CONFIG_HOME/bilvex (default ~/.config/bilvex); Windows: C:\.
QString settingsFolder();

// The settings file in that folder; on Windows the shown path.
QString settingsFilePath();

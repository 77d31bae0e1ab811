#pragma once

#include <QString>

// Where this platform keeps the settings file and which device a COM port number names.

// The path the operator's messages show, whatever the platform.
extern const QString kShownSettingsPath;

// Linux: $XDG_CONFIG_HOME/bilvex/<file> (default ~/.config/bilvex/); Windows: the shown path.
QString settingsFilePath();

// Linux: the target of the symlink ports/comN beside the settings file, else /dev/ttyS(n-1);
// Windows: COMn.
QString comPortDeviceName(int portNumber);

#pragma once

#include <QString>

// Where this platform keeps the settings file, and how it may be saved there.

// The path the operator's messages show, whatever the platform.
extern const QString kShownSettingsPath;

// Linux: $XDG_CONFIG_HOME/bilvex (default ~/.config/bilvex); Windows: C:\.
QString settingsFolder();

// The settings file in that folder; on Windows the shown path.
QString settingsFilePath();

// Whether a save that cannot make a temporary file beside the file rewrites the file in
// place by its own code (on Windows), rather than through Qt's fallback (on Unix).
bool saveRewritesInPlaceItself();

// Whether opening the path could wait for another program (a named pipe or a socket).
bool mayBlockWhenOpened(const QString &path);

#include "platform_paths.h"

QString settingsFolder()
{
    return QStringLiteral("C:\\");
}

QString settingsFilePath()
{
    return kShownSettingsPath;
}

// Qt's save file gives up where it cannot make its temporary file beside the settings file
// (its fallback exists only on Unix): C:\ for a standard user.
bool saveRewritesInPlaceItself()
{
    return true;
}

// Named pipes live apart from files on Windows (\\.\pipe\): no file path leads to one.
bool mayBlockWhenOpened(const QString &)
{
    return false;
}

#include "platform_paths.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

namespace {

QString virtualStoreCopy()
{
    return QDir::toNativeSeparators(qEnvironmentVariable("LOCALAPPDATA") +
                                    QStringLiteral("/VirtualStore/ZEMRA_Bilvex_Polynet_Ver_3_04.txt"));
}

bool isShownPath(const QString &path)
{
    return QDir::toNativeSeparators(path).compare(kShownSettingsPath, Qt::CaseInsensitive) == 0;
}

}  // namespace

QString settingsFolder()
{
    return QStringLiteral("C:\\");
}

// A 64-bit program is never virtualized: it looks for the copy itself.
QString settingsFilePath()
{
    const QString copy = virtualStoreCopy();
    if (!qEnvironmentVariableIsEmpty("LOCALAPPDATA") && QFileInfo(copy).isFile())
        return copy;
    return kShownSettingsPath;
}

QString backupsFolder()
{
    if (qEnvironmentVariableIsEmpty("LOCALAPPDATA"))
        return {};
    return QDir::toNativeSeparators(qEnvironmentVariable("LOCALAPPDATA") + QStringLiteral("/bilvex/yedekler"));
}

// Qt's save file gives up where it cannot make its temporary file beside the settings file
// (its fallback exists only on Unix): C:\ for a standard user.
SaveRoute saveRoute(const QString &path)
{
    if (isShownPath(path) && !qEnvironmentVariableIsEmpty("LOCALAPPDATA"))
        return {{path, virtualStoreCopy()}, true};
    return {{path}, true};
}

bool lastWriteFoundDiskFull()
{
    const DWORD error = GetLastError();
    return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL;
}

// Named pipes live apart from files on Windows (\\.\pipe\): no file path leads to one.
bool mayBlockWhenOpened(const QString &)
{
    return false;
}

bool fileNamesIgnoreCase()
{
    return true;
}

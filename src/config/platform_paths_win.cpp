#include "config/platform_paths.h"

#include "config/windows_path.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

std::wstring extendedPath(const QString &path)
{
    // The extended form takes ".." as a name: it is resolved first.
    QString native = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (native.size() >= MAX_PATH && !native.startsWith(QLatin1String("\\\\?\\")))
        native = native.startsWith(QLatin1String("\\\\")) ? QStringLiteral("\\\\?\\UNC\\") + native.mid(2)
                                                          : QStringLiteral("\\\\?\\") + native;
    return native.toStdWString();
}

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

// Asking for the rights a replace needs, while sharing everything: only a holder that shares
// less makes the open fail.
bool heldByAnotherProgram(const QString &path)
{
    const HANDLE file = CreateFileW(extendedPath(path).c_str(), GENERIC_WRITE | DELETE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

bool isLocalPath(const QString &path)
{
    const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (native.startsWith(QLatin1String("\\\\")))
        return false;
    const std::wstring root = native.left(3).toStdWString();
    return GetDriveTypeW(root.c_str()) != DRIVE_REMOTE;
}

QString firstDialogFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

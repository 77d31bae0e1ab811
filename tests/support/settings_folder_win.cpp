#include "settings_folder.h"

#include "config/platform_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <windows.h>

// Windows keeps the file at C:\ or in the user's VirtualStore, and its copies in the user's
// backups folder: a test owns them all for its run and leaves nothing behind. On an
// operator's PC they hold his settings, so the tests run under Wine only, in the build's own
// prefix.
namespace {

void refuseOutsideWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (ntdll && GetProcAddress(ntdll, "wine_get_version"))
        return;
    std::fputs("These tests replace C:\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt and its VirtualStore copy: "
               "they run under Wine only, never on a PC with real settings.\n",
               stderr);
    std::exit(2);
}

void removeSettingsFiles()
{
    QDir(backupsFolder()).removeRecursively();
    for (const QString &path : saveRoute(kShownSettingsPath).targets) {
        const QFileInfo info(path);
        if (info.isDir())
            QDir(info.filePath()).removeRecursively();
        else
            QFile::remove(info.filePath());
    }
}

}  // namespace

SettingsFolder::SettingsFolder()
{
    refuseOutsideWine();
    removeSettingsFiles();
}

SettingsFolder::~SettingsFolder()
{
    removeSettingsFiles();
}

QString SettingsFolder::folder() const
{
    return settingsFolder();
}

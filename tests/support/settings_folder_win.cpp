#include "settings_folder.h"

#include "platform_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// Windows keeps the file at its one place, C:\: a test owns it for its run (under Wine, in
// the build's own prefix) and leaves nothing behind.
namespace {

void removeSettingsFile()
{
    const QFileInfo info(settingsFilePath());
    if (info.isDir())
        QDir(info.filePath()).removeRecursively();
    else
        QFile::remove(info.filePath());
}

}  // namespace

SettingsFolder::SettingsFolder()
{
    removeSettingsFile();
}

SettingsFolder::~SettingsFolder()
{
    removeSettingsFile();
}

QString SettingsFolder::folder() const
{
    return settingsFolder();
}

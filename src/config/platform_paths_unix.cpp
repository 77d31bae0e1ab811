#include "config/platform_paths.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>

QString settingsFolder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/bilvex");
}

QString settingsFilePath()
{
    return settingsFolder() + QStringLiteral("/ZEMRA_Bilvex_Polynet_Ver_3_04.txt");
}

QString backupsFolder()
{
    return settingsFolder() + QStringLiteral("/yedekler");
}

// Qt's save file writes into the file itself where it cannot make its temporary file.
SaveRoute saveRoute(const QString &path)
{
    return {{path}, false};
}

bool lastWriteFoundDiskFull()
{
    return errno == ENOSPC || errno == EDQUOT;
}

bool mayBlockWhenOpened(const QString &path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 &&
           (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode));
}

bool fileNamesIgnoreCase()
{
    return false;
}

bool heldByAnotherProgram(const QString &)
{
    return false;
}

// A network mount looks like any folder here, and the file manager's habits apply.
bool isLocalPath(const QString &)
{
    return true;
}

// Empty: Qt's dialog starts in the working folder.
QString firstDialogFolder()
{
    return {};
}

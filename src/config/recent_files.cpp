#include "config/recent_files.h"

#include "config/platform_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// A line list far longer than ours is not ours: read no more than this.
constexpr qint64 kMaxStoreBytes = qint64(64) * 1024;

QStringList storedLines(const QString &store)
{
    QFile file(store);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(kMaxStoreBytes)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A file on a network share is offered without a look: a share whose server is gone would
// hold the menu for half a minute. Opening it then says what is wrong.
bool stillThere(const QString &path)
{
    return !isLocalPath(path) || QFileInfo(path).isFile();
}

}  // namespace

QString recentFilesStore()
{
    const QString backups = backupsFolder();
    if (backups.isEmpty())
        return {};
    return QFileInfo(backups).dir().filePath(QStringLiteral("son-dosyalar.txt"));
}

QStringList recentFiles(const QString &store)
{
    QStringList files;
    for (const QString &line : storedLines(store)) {
        if (files.size() < kRecentFiles && stillThere(line) && !files.contains(line))
            files << line;
    }
    return files;
}

void rememberFile(const QString &path, const QString &store)
{
    if (store.isEmpty())
        return;
    QStringList files{QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())};
    for (const QString &known : recentFiles(store)) {
        if (files.size() < kRecentFiles && !files.contains(known))
            files << known;
    }
    QDir().mkpath(QFileInfo(store).path());
    QSaveFile file(store);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(files.join(QLatin1Char('\n')).toUtf8() + '\n');
        file.commit();
    }
}

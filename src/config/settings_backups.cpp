#include "config/settings_backups.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd-HHmmss");
const QString kUnsavedMark = QStringLiteral("kaydedilmemis");

// NAME-SEQUENCE[-kaydedilmemis]-TIME.SUFFIX
QRegularExpression copyName(const QFileInfo &file)
{
    return QRegularExpression(QStringLiteral("^%1-(\\d{6})(-%2)?-(\\d{4}-\\d{2}-\\d{2}-\\d{6})\\.%3$")
                                  .arg(QRegularExpression::escape(file.completeBaseName()), kUnsavedMark,
                                       QRegularExpression::escape(file.suffix())));
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString folderFault(const QString &folder)
{
    return QStringLiteral("klasör oluşturulamadı: %1").arg(QDir::toNativeSeparators(folder));
}

QString copyPath(const QFileInfo &file, const QString &folder, int sequence, bool unsaved, const QDateTime &now)
{
    const QString mark = unsaved ? QLatin1Char('-') + kUnsavedMark : QString();
    return QDir(folder).filePath(QStringLiteral("%1-%2%3-%4.%5")
                                     .arg(file.completeBaseName())
                                     .arg(sequence, 6, 10, QLatin1Char('0'))
                                     .arg(mark, now.toString(kTimeFormat), file.suffix()));
}

void dropOldest(const QList<BackupCopy> &newestFirst)
{
    for (qsizetype k = kKeptBackups; k < newestFirst.size(); ++k)
        QFile::remove(newestFirst.at(k).path);
}

// A new copy of `bytes`, the content of the file at `path`, as the newest of its folder. A
// save's copy that the newest copy already holds is not made twice: that copy is named.
Backup keepCopy(const QString &path, const QByteArray &bytes, const QString &root, const QDateTime &now, bool unsaved)
{
    const QString folder = backupFolderOf(path, root);
    if (root.isEmpty() || !QDir().mkpath(folder))
        return {{}, folderFault(folder)};
    const QList<BackupCopy> earlier = backupsOf(path, root);
    if (!unsaved && !earlier.isEmpty() && !earlier.first().unsaved && bytesOf(earlier.first().path) == bytes)
        return {earlier.first().path, {}};
    const int sequence = earlier.isEmpty() ? 1 : earlier.first().sequence + 1;
    QSaveFile copy(copyPath(QFileInfo(path), folder, sequence, unsaved, now));
    if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size() || !copy.commit())
        return {{}, copy.errorString()};
    dropOldest(backupsOf(path, root));
    return {copy.fileName(), {}};
}

}  // namespace

QString backupFolderOf(const QString &path, const QString &root)
{
    const QByteArray identity = pathIdentity(path).toUtf8();
    const QString hash =
        QString::fromLatin1(QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex().left(8));
    return QDir(root).filePath(QFileInfo(path).completeBaseName() + QLatin1Char('-') + hash);
}

QList<BackupCopy> backupsOf(const QString &path, const QString &root)
{
    const QDir folder(backupFolderOf(path, root));
    const QRegularExpression name = copyName(QFileInfo(path));
    QList<BackupCopy> copies;
    for (const QString &entry : folder.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = name.match(entry);
        if (match.hasMatch())
            copies.append({folder.filePath(entry), match.captured(1).toInt(),
                           QDateTime::fromString(match.captured(3), kTimeFormat), match.hasCaptured(2)});
    }
    std::sort(copies.begin(), copies.end(),
              [](const BackupCopy &a, const BackupCopy &b) { return a.sequence > b.sequence; });
    return copies;
}

Backup keepBackup(const QString &path, const QString &root, const QDateTime &now)
{
    // A pipe would block the open; only a file has bytes to keep.
    if (!QFileInfo(path).isFile())
        return {{}, QStringLiteral("sıradan bir dosya değil")};
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return {{}, source.errorString(), true};
    return keepCopy(path, source.readAll(), root, now, false);
}

Backup keepReplacedFile(const QString &path, const QByteArray &bytes, const QString &root, const QDateTime &now)
{
    if (!QFileInfo(path).isFile())
        return {};
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return {{}, source.errorString(), true};
    const QByteArray replaced = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return {{}, source.errorString(), true};
    if (replaced == bytes)
        return {};
    Backup backup = keepCopy(path, replaced, root, now, false);
    if (!backup.fault.isEmpty())
        std::fprintf(stderr, "%s\n", backupFailedMessage(path, backup.fault).toUtf8().constData());
    return backup;
}

Backup keepUnsavedCopy(const QString &path, const QByteArray &bytes, const QString &root, const QDateTime &now)
{
    return keepCopy(path, bytes, root, now, true);
}

QString backedUpAsFoundMessage(const QString &backup)
{
    return QStringLiteral("Dosya, bulunduğu hâliyle şuraya yedeklendi: ") + QDir::toNativeSeparators(backup);
}

QString backupFailedMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("%1 yedeklenemedi: %2").arg(QDir::toNativeSeparators(path), reason);
}

QString unreadableFileMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("%1 okunamadığı için yedeklenemedi: %2\nDosyanın üzerine yazılmadı.")
        .arg(QDir::toNativeSeparators(path), reason);
}

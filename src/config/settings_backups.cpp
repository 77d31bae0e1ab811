#include "settings_backups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cstdio>

namespace {

// The copies of one settings file: its name, the time, on a clash within the second a
// counter after '_' (which sorts after the '.' of the plain name).
QRegularExpression backupName(const QFileInfo &file)
{
    return QRegularExpression(
        QStringLiteral("^%1-\\d{4}-\\d{2}-\\d{2}-\\d{6}(_\\d+)?\\.%2$")
            .arg(QRegularExpression::escape(file.completeBaseName()), QRegularExpression::escape(file.suffix())));
}

// Oldest first.
QStringList backupsOf(const QFileInfo &file, const QDir &folder)
{
    return folder.entryList(QDir::Files, QDir::Name).filter(backupName(file));
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString freeName(const QFileInfo &file, const QDir &folder, const QDateTime &now)
{
    const QString stem = file.completeBaseName() + QLatin1Char('-') + now.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    const QString suffix = QLatin1Char('.') + file.suffix();
    QString name = stem + suffix;
    for (int clash = 2; folder.exists(name); ++clash)
        name = stem + QLatin1Char('_') + QString::number(clash) + suffix;
    return folder.filePath(name);
}

void dropOldest(const QFileInfo &file, QDir folder)
{
    const QStringList kept = backupsOf(file, folder);
    for (qsizetype k = 0; k < kept.size() - kKeptBackups; ++k)
        folder.remove(kept.at(k));
}

// The copy of `bytes`, the content of `file`, unless the newest copy already holds them.
Backup keepCopy(const QFileInfo &file, const QByteArray &bytes, const QString &folder, const QDateTime &now)
{
    QDir dir(folder);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {{}, QStringLiteral("klasör oluşturulamadı: %1").arg(QDir::toNativeSeparators(folder))};
    const QStringList earlier = backupsOf(file, dir);
    if (!earlier.isEmpty() && bytesOf(dir.filePath(earlier.last())) == bytes)
        return {dir.filePath(earlier.last()), {}};
    QFile copy(freeName(file, dir, now));
    if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly) || copy.write(bytes) != bytes.size() || !copy.flush()) {
        const QString reason = copy.errorString();
        copy.remove();
        return {{}, reason};
    }
    dropOldest(file, dir);
    return {copy.fileName(), {}};
}

}  // namespace

Backup keepUnsavedCopy(const QString &path, const QByteArray &bytes, const QString &folder, const QDateTime &now)
{
    const QFileInfo file(path);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {{}, QStringLiteral("klasör oluşturulamadı: %1").arg(QDir::toNativeSeparators(folder))};
    const QString name =
        QStringLiteral("%1-kaydedilmemis-%2.%3")
            .arg(file.completeBaseName(), now.toString(QStringLiteral("yyyy-MM-dd-HHmmss")), file.suffix());
    QSaveFile copy(QDir(folder).filePath(name));
    if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size() || !copy.commit())
        return {{}, copy.errorString()};
    return {copy.fileName(), {}};
}

Backup keepBackup(const QString &path, const QString &folder, const QDateTime &now)
{
    const QFileInfo file(path);
    // A pipe would block the open; only a file has bytes to keep.
    if (!file.isFile())
        return {{}, QStringLiteral("sıradan bir dosya değil")};
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return {{}, source.errorString()};
    return keepCopy(file, source.readAll(), folder, now);
}

void keepReplacedFile(const QString &path, const QByteArray &bytes, const QString &folder)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return;
    const QByteArray replaced = bytesOf(path);
    if (replaced == bytes)
        return;
    const Backup backup = keepCopy(file, replaced, folder, QDateTime::currentDateTime());
    if (!backup.fault.isEmpty())
        std::fprintf(stderr, "%s\n", backupFailedMessage(path, backup.fault).toUtf8().constData());
}

QString backedUpAsFoundMessage(const QString &backup)
{
    return QStringLiteral("Dosya, bulunduğu hâliyle şuraya yedeklendi: ") + QDir::toNativeSeparators(backup);
}

QString backupFailedMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("%1 yedeklenemedi: %2").arg(QDir::toNativeSeparators(path), reason);
}

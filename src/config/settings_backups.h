#pragma once

#include "platform_paths.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Earlier versions of the settings file, for a way back from a wrong save: plain copies in the
// file's own format, named after the file and the time to the second
// (ZEMRA_Bilvex_Polynet_Ver_3_04-2026-12-08-141502.txt), so that their names sort by date.
// Only the newest kKeptBackups stay. A restore is a file copy over the settings file.

constexpr int kKeptBackups = 30;

// Where a copy of the file is, or why none could be made.
struct Backup {
    QString path;
    QString fault;
};

// Copies the file at `path` into `folder`, unless the newest copy there already holds the
// same bytes: then that copy is the one named. Older copies beyond kKeptBackups are deleted.
Backup keepBackup(const QString &path, const QString &folder = backupsFolder(),
                  const QDateTime &now = QDateTime::currentDateTime());

// Before a save writes `bytes` over the file at `path`: a copy of the file when the save
// changes it. A copy that cannot be made never stops the save; it is said on stderr.
void keepReplacedFile(const QString &path, const QByteArray &bytes, const QString &folder = backupsFolder());

// The values of a session that ended without a save (a logout), kept beside the file's
// backups as NAME-kaydedilmemis-TIME.SUFFIX; the file itself is not touched.
Backup keepUnsavedCopy(const QString &path, const QByteArray &bytes, const QString &folder = backupsFolder(),
                       const QDateTime &now = QDateTime::currentDateTime());

// The operator's words for both.
QString backedUpAsFoundMessage(const QString &backup);
QString backupFailedMessage(const QString &path, const QString &reason);

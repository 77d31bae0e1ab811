#pragma once

#include "config/platform_paths.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// Earlier versions of a settings file, for a way back from a wrong save: plain copies in the
// file's own format. Every settings file has a folder of its own under the backups folder,
// named after the file and a short hash of its full path, so two sites with files of one name
// never share a rotation. A copy is named after the file, a sequence and the time to the
// second (ZEMRA_Bilvex_Polynet_Ver_3_04-000012-2026-12-08-141502.txt). The sequence, not the
// time, orders them: a clock set back never makes the newest copy look old. Only the newest
// kKeptBackups stay.

constexpr int kKeptBackups = 30;

// Where a copy of the file is, or why none could be made. `unreadable`: the file exists but
// could not be read, so a save over it would replace what no copy holds.
struct Backup {
    QString path;
    QString fault;
    bool unreadable = false;
};

// One copy in a file's folder.
struct BackupCopy {
    QString path;
    int sequence = 0;
    QDateTime time;
    bool unsaved = false;  // the values of a session that ended without a save
};

// The folder of the copies of the settings file at `path`.
QString backupFolderOf(const QString &path, const QString &root = backupsFolder());

// The copies of the file at `path`, newest first.
QList<BackupCopy> backupsOf(const QString &path, const QString &root = backupsFolder());

// Copies the file at `path`, unless the newest copy already holds the same bytes: then that
// copy is the one named.
Backup keepBackup(const QString &path, const QString &root = backupsFolder(),
                  const QDateTime &now = QDateTime::currentDateTime());

// Before a save writes `bytes` over the file at `path`: a copy of the file when the save
// changes it. A copy that cannot be made is said on stderr and does not stop the save; a file
// that cannot be read comes back `unreadable`, and the save is not to replace it.
Backup keepReplacedFile(const QString &path, const QByteArray &bytes, const QString &root = backupsFolder(),
                        const QDateTime &now = QDateTime::currentDateTime());

// The values of a session that ended without a save (a logout), kept as the file's newest
// copy, marked "kaydedilmemis" in its name; the file itself is not touched.
Backup keepUnsavedCopy(const QString &path, const QByteArray &bytes, const QString &root = backupsFolder(),
                       const QDateTime &now = QDateTime::currentDateTime());

// The operator's words.
QString backedUpAsFoundMessage(const QString &backup);
QString backupFailedMessage(const QString &path, const QString &reason);
QString unreadableFileMessage(const QString &path, const QString &reason);

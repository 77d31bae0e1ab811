#pragma once

#include "config/platform_paths.h"
#include "config/tanimlamalar.h"
#include "session/transfer_texts.h"
#include "site/site_tables.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the unit got from a settings file: one line per transfer in a small UTF-8 file
// beside the file's backups (gonderimler.txt), so that "were the changes sent, and did the
// upload finish?" has an answer after a day away. Each line: the time, the kind, the port as
// the operator names it, the bytes sent of the total, the wrong echoes, how it ended and a
// hash of the image sent, tab-separated.

struct SentTransfer {
    QDateTime when;
    TransferMode kind = TransferMode::None;
    QString port;  // "COM3"
    int sent = 0;
    int total = 0;
    int wrongEchoes = 0;
    TransferEnd end = TransferEnd::Whole;
    QByteArray hash;  // hex SHA-256 of the image bytes the transfer sends
};

struct SendRecord {
    QList<SentTransfer> transfers;  // oldest first
    QString setAside;               // where a damaged or foreign record was put; empty when none was
};

// The hash the record keeps of the bytes a transfer sends.
QByteArray imageHash(const QByteArray &bytes);

QString sendRecordPath(const QString &settingsPath, const QString &root = backupsFolder());
// The record of the settings file at the path; a damaged or foreign one is renamed aside
// and the record starts afresh.
SendRecord readSendRecord(const QString &settingsPath, const QString &root = backupsFolder());
// Adds the transfer, replacing the file whole; what it says about a record put aside.
SendRecord appendToSendRecord(const QString &settingsPath, const SentTransfer &transfer,
                              const QString &root = backupsFolder());

// The newest transfer of the kind that went out whole.
std::optional<SentTransfer> lastWholeSend(const QList<SentTransfer> &transfers, TransferMode kind);

// The last transfer of each kind that went out whole, in the history's columns: the site
// report's "Son Gönderimler".
SiteTable lastSendsTable(const QList<SentTransfer> &transfers);

// The history's columns: "2026-12-09 14:05:07", "terminaller", "COM3", "41.919/41.919", "0", "tam".
QStringList historyCells(const SentTransfer &transfer);

#include "session/send_record.h"

#include "config/settings_backups.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {

const QString kRecordName = QStringLiteral("gonderimler.txt");
const QString kFirstLine = QStringLiteral("# bilvex gönderim kaydı 1");
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
// A record this long is a year of visits; the oldest lines go.
constexpr int kKeptTransfers = 2000;
constexpr qint64 kMaxRecordBytes = qint64(1024) * 1024;
constexpr int kFields = 7;
constexpr int kHashHexLength = 64;

std::optional<int> countOf(const QString &text)
{
    bool ok = false;
    const int value = QString(text).remove(QLatin1Char('.')).toInt(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

std::optional<SentTransfer> transferOf(const QString &line)
{
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() != kFields)
        return std::nullopt;
    SentTransfer transfer;
    transfer.when = QDateTime::fromString(fields[0], kTimeFormat);
    transfer.kind = kindOfRecordWord(fields[1]);
    transfer.port = fields[2];
    const QStringList counts = fields[3].split(QLatin1Char('/'));
    if (counts.size() != 2)
        return std::nullopt;
    const std::optional<int> sent = countOf(counts[0]);
    const std::optional<int> total = countOf(counts[1]);
    const std::optional<int> wrong = countOf(fields[4]);
    const std::optional<TransferEnd> end = endOfWord(fields[5]);
    transfer.hash = fields[6].toLatin1();
    if (!transfer.when.isValid() || transfer.kind == TransferMode::None || !sent || !total || *sent > *total ||
        !wrong || !end || transfer.hash.size() != kHashHexLength)
        return std::nullopt;
    transfer.sent = *sent;
    transfer.total = *total;
    transfer.wrongEchoes = *wrong;
    transfer.end = *end;
    return transfer;
}

QString lineOf(const SentTransfer &transfer)
{
    return (historyCells(transfer) << QString::fromLatin1(transfer.hash)).join(QLatin1Char('\t'));
}

// Keeps the damaged file for support under a name of its own; the record starts afresh.
QString setAside(const QString &path)
{
    const QString aside =
        path + QStringLiteral(".bozuk-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QFile::remove(aside);
    return QFile::rename(path, aside) ? aside : QString();
}

std::optional<QList<SentTransfer>> parsed(QFile &file)
{
    if (file.size() > kMaxRecordBytes)
        return std::nullopt;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.isEmpty() || lines.first() != kFirstLine)
        return std::nullopt;
    QList<SentTransfer> transfers;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const std::optional<SentTransfer> transfer = transferOf(lines[i]);
        if (!transfer)
            return std::nullopt;
        transfers << *transfer;
    }
    return transfers;
}

}  // namespace

QByteArray imageHash(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QString sendRecordPath(const QString &settingsPath, const QString &root)
{
    return QDir(backupFolderOf(settingsPath, root)).filePath(kRecordName);
}

SendRecord readSendRecord(const QString &settingsPath, const QString &root)
{
    if (root.isEmpty())
        return {};
    const QString path = sendRecordPath(settingsPath, root);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (std::optional<QList<SentTransfer>> transfers = parsed(file))
        return {*transfers, {}};
    file.close();
    const QString aside = setAside(path);
    return {{}, aside.isEmpty() ? path : aside};
}

// Without a backups folder (Windows with no LOCALAPPDATA) nothing is written: never beside
// the program or in whatever folder it was started from.
SendRecord appendToSendRecord(const QString &settingsPath, const SentTransfer &transfer, const QString &root)
{
    if (root.isEmpty())
        return {};
    SendRecord record = readSendRecord(settingsPath, root);
    record.transfers << transfer;
    if (record.transfers.size() > kKeptTransfers)
        record.transfers.remove(0, record.transfers.size() - kKeptTransfers);
    const QString path = sendRecordPath(settingsPath, root);
    QDir().mkpath(QFileInfo(path).path());
    QStringList lines{kFirstLine};
    for (const SentTransfer &each : record.transfers)
        lines << lineOf(each);
    // Written whole or not at all: a record cut short by a pulled plug would be set aside.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        file.commit();
    }
    return record;
}

std::optional<SentTransfer> lastWholeSend(const QList<SentTransfer> &transfers, TransferMode kind)
{
    const auto last = std::find_if(transfers.crbegin(), transfers.crend(), [kind](const SentTransfer &transfer) {
        return transfer.kind == kind && transfer.end == TransferEnd::Whole;
    });
    if (last == transfers.crend())
        return std::nullopt;
    return *last;
}

SiteTable lastSendsTable(const QList<SentTransfer> &transfers)
{
    SiteTable table{historyHeadings(), {}};
    for (const TransferMode kind : {TransferMode::ButtonSettings, TransferMode::TerminalSettings,
                                    TransferMode::TicketData, TransferMode::DateTime}) {
        if (const std::optional<SentTransfer> last = lastWholeSend(transfers, kind))
            table.rows << historyCells(*last);
    }
    return table;
}

QStringList historyCells(const SentTransfer &transfer)
{
    return {transfer.when.toString(kTimeFormat),
            recordKindWord(transfer.kind),
            transfer.port,
            groupedNumber(transfer.sent) + QLatin1Char('/') + groupedNumber(transfer.total),
            groupedNumber(transfer.wrongEchoes),
            endWord(transfer.end)};
}

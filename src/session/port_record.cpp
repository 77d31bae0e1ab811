#include "session/port_record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
constexpr qint64 kMaxStoreBytes = qint64(64) * 1024;
constexpr int kFields = 3;  // port, time, path

QStringList storedLines(const QString &store)
{
    QFile file(store);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(kMaxStoreBytes)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Ports are told apart as the operator names them; "com3" and "COM3" are one port.
bool isLineOf(const QStringList &fields, const QString &port)
{
    return fields.size() == kFields && fields[0].compare(port, Qt::CaseInsensitive) == 0;
}

}  // namespace

QString portRecordStore()
{
    const QString backups = backupsFolder();
    if (backups.isEmpty())
        return {};
    return QFileInfo(backups).dir().filePath(QStringLiteral("birim-portlari.txt"));
}

std::optional<PortSend> lastSendOnPort(const QString &port, const QString &store)
{
    for (const QString &line : storedLines(store)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (!isLineOf(fields, port))
            continue;
        const QDateTime when = QDateTime::fromString(fields[1], kTimeFormat);
        if (when.isValid() && !fields[2].isEmpty())
            return PortSend{fields[2], when};
    }
    return std::nullopt;
}

// A store that cannot be written loses only the other-file hint.
void rememberSendOnPort(const QString &port, const PortSend &send, const QString &store)
{
    if (store.isEmpty() || port.isEmpty())
        return;
    QStringList lines{QStringList{port, send.when.toString(kTimeFormat), send.settingsPath}.join(QLatin1Char('\t'))};
    for (const QString &line : storedLines(store)) {
        if (!isLineOf(line.split(QLatin1Char('\t')), port))
            lines << line;
    }
    QDir().mkpath(QFileInfo(store).path());
    QSaveFile file(store);
    if (file.open(QIODevice::WriteOnly)) {
        file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        file.commit();
    }
}

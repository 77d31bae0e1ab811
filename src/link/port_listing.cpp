#include "port_listing.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStringList>

#include <algorithm>

namespace {

// udev's stable names on Linux; elsewhere the folder does not exist and no name is found.
const QString kByIdFolder = QStringLiteral("/dev/serial/by-id");
const QString kUnknownField = QStringLiteral("-");

QString fieldText(const QString &text)
{
    return text.isEmpty() ? kUnknownField : text;
}

}  // namespace

QList<PortDescription> availablePortDescriptions()
{
    QList<PortDescription> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        ports.append({info.systemLocation(), info.description(), info.manufacturer(), info.serialNumber(),
                      byIdName(info.systemLocation(), kByIdFolder)});
    }
    std::sort(ports.begin(), ports.end(),
              [](const PortDescription &a, const PortDescription &b) { return a.device < b.device; });
    return ports;
}

QString byIdName(const QString &device, const QString &folder)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.isEmpty())
        return {};
    // Device nodes count as system files; a link to one is listed only with that filter.
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    const auto link = std::find_if(entries.cbegin(), entries.cend(), [&](const QFileInfo &entry) {
        return entry.isSymLink() && entry.canonicalFilePath() == target;
    });
    return link == entries.cend() ? QString() : link->absoluteFilePath();
}

QString portListingLine(const PortDescription &port)
{
    return QStringList{fieldText(port.device), fieldText(port.description), fieldText(port.manufacturer),
                       fieldText(port.serialNumber), fieldText(port.byIdName)}
        .join(QLatin1Char('\t'));
}

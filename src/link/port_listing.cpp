#include "port_listing.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStringList>

#include <algorithm>

namespace {

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
        ports.append(describePort(info));
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
    QStringList fields{fieldText(port.device), fieldText(port.description), fieldText(port.manufacturer),
                       fieldText(port.serialNumber)};
    if (portsHaveStableNames())
        fields.append(fieldText(port.byIdName));
    return fields.join(QLatin1Char('\t'));
}

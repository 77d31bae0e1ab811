#include "ports/port_listing.h"

#include "ports/port_messages.h"

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

QString chipMakerOf(quint16 vendorId)
{
    switch (vendorId) {
    case 0x0403:
        return QStringLiteral("FTDI");
    case 0x067B:
        return QStringLiteral("Prolific");
    case 0x10C4:
        return QStringLiteral("Silicon Labs");
    case 0x1A86:
        return QStringLiteral("WCH");
    default:
        return {};
    }
}

QString adapterText(const PortDescription &port)
{
    QString text = port.chipMaker;
    if (port.latencyTimerMs < 0)
        return text;
    text += QStringLiteral(", %1 ms gecikme").arg(port.latencyTimerMs);
    if (port.latencyTimerMs > kHighestFineLatencyMs)
        text += QStringLiteral(" — gönderimi yavaşlatır. ") + latencyTimerFix();
    return text;
}

QString portListingLine(const PortDescription &port)
{
    QStringList fields{fieldText(port.device), fieldText(port.description), fieldText(port.manufacturer),
                       fieldText(port.serialNumber)};
    if (portsHaveStableNames())
        fields.append(fieldText(port.byIdName));
    return fields.join(QLatin1Char('\t'));
}

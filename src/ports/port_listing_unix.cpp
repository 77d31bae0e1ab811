#include "ports/port_listing.h"

#include <QFile>
#include <QFileInfo>

namespace {

// udev's stable names for serial adapters.
const QString kByIdFolder = QStringLiteral("/dev/serial/by-id");

}  // namespace

PortDescription describePort(const QSerialPortInfo &info)
{
    return {info.systemLocation(),
            info.description(),
            info.manufacturer(),
            info.serialNumber(),
            byIdName(info.systemLocation(), kByIdFolder),
            info.hasVendorIdentifier() ? chipMakerOf(info.vendorIdentifier()) : QString(),
            latencyTimerOf(info.systemLocation())};
}

int latencyTimerOf(const QString &device, const QString &sysfs)
{
    QFile value(sysfs + QLatin1Char('/') + QFileInfo(QFileInfo(device).canonicalFilePath()).fileName() +
                QStringLiteral("/latency_timer"));
    if (!value.open(QIODevice::ReadOnly))
        return -1;
    bool ok = false;
    const int ms = value.readAll().trimmed().toInt(&ok);
    return ok ? ms : -1;
}

bool portsHaveStableNames()
{
    return true;
}

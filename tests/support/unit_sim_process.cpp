#include "unit_sim_process.h"

#include <QFile>

namespace {

constexpr int kSimStartMs = 10000;

}  // namespace

UnitSimProcess::UnitSimProcess(const QString &simPath, const QString &linkPath, const QStringList &faults)
    : recordPath_(recordDir_.filePath(QStringLiteral("received.bin")))
{
    process_.start(simPath,
                   QStringList{QStringLiteral("--link"), linkPath, QStringLiteral("--record"), recordPath_} + faults);
    // The first line the unit prints is its device path, once the link is in place.
    while (process_.waitForReadyRead(kSimStartMs) && !process_.canReadLine()) {
    }
    devicePath_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

UnitSimProcess::~UnitSimProcess()
{
    stop();
}

bool UnitSimProcess::started() const
{
    return devicePath_.startsWith(QLatin1Char('/'));
}

QString UnitSimProcess::stop()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        process_.waitForFinished(kSimStartMs);
    }
    summary_ += QString::fromLocal8Bit(process_.readAllStandardOutput());
    return summary_;
}

QByteArray UnitSimProcess::received() const
{
    QFile file(recordPath_);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

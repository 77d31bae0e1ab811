#include "ports/port_access_unix.h"

#include "ports/port_listing.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

const QString kDevicePrefix = QStringLiteral("/dev/");

// Where Qt's serial port looks for a place for its lock files, in its order.
QStringList lockFolders()
{
    return {QStringLiteral("/var/lock"),
            QStringLiteral("/etc/locks"),
            QStringLiteral("/var/spool/locks"),
            QStringLiteral("/var/spool/uucp"),
            QStringLiteral("/tmp"),
            QStringLiteral("/var/tmp"),
            QStringLiteral("/var/lock/lockdev"),
            QStringLiteral("/run/lock"),
            QStandardPaths::writableLocation(QStandardPaths::TempLocation)};
}

// Qt names the lock after the name the port was opened by, less "/dev/": LCK..ttyUSB0,
// LCK..serial_by-id_usb-FTDI_… for a port opened through its by-id link.
QString lockFileName(const QString &openedAs)
{
    QString name = openedAs.startsWith(kDevicePrefix) ? openedAs.mid(kDevicePrefix.size()) : openedAs;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("LCK..") + name;
}

// The process a lock file names; 0 when it cannot be read.
qint64 lockingProcess(const QString &lockFile)
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!QLockFile(lockFile).getLockInfo(&pid, &host, &application) || pid <= 0)
        return 0;
    return pid;
}

bool processRuns(qint64 pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// A lock whose process has ended is stale: Qt takes the port over.
bool heldByLiveProcess(const QString &lockFile)
{
    const qint64 pid = lockingProcess(lockFile);
    return pid > 0 && processRuns(pid);
}

// Every lock file a program may have left for the device: in each folder, under each name
// it may have opened the port by.
QStringList lockFilesOf(const QString &device, const QString &node, const QStringList &namesOpenedBy,
                        const QStringList &folders)
{
    QStringList lockFiles;
    for (const QString &folder : folders) {
        for (const QString &name : namesOpenedBy + QStringList{device, node})
            lockFiles.append(folder + QLatin1Char('/') + lockFileName(name));
    }
    return lockFiles;
}

QStringList namesOpenedBy(const QString &device)
{
    const QString stableName = byIdName(device, QStringLiteral("/dev/serial/by-id"));
    return stableName.isEmpty() ? QStringList() : QStringList{stableName};
}

}  // namespace

PortAccess portAccessFrom(const QString &device, const QStringList &namesOpenedBy, const QStringList &folders)
{
    const QString node = QFileInfo(device).canonicalFilePath();
    if (node.isEmpty())
        return PortAccess::Failed;
    if (::access(QFile::encodeName(node).constData(), R_OK | W_OK) != 0)
        return errno == EACCES ? PortAccess::NoPermission : PortAccess::Failed;
    const QStringList lockFiles = lockFilesOf(device, node, namesOpenedBy, folders);
    const bool held = std::any_of(lockFiles.cbegin(), lockFiles.cend(), heldByLiveProcess);
    return held ? PortAccess::InUse : PortAccess::Available;
}

PortAccess probePortAccess(const QString &device)
{
    return portAccessFrom(device, namesOpenedBy(device), lockFolders());
}

QString lockLeftByOtherUser(const QString &device, const QStringList &namesOpenedBy, const QStringList &folders,
                            uint user)
{
    const QString node = QFileInfo(device).canonicalFilePath();
    for (const QString &lockFile : lockFilesOf(device, node, namesOpenedBy, folders)) {
        const QFileInfo info(lockFile);
        const qint64 pid = info.exists() ? lockingProcess(lockFile) : 0;
        if (pid > 0 && !processRuns(pid) && info.ownerId() != user)
            return lockFile;
    }
    return {};
}

QString lockLeftByOtherUser(const QString &device)
{
    return lockLeftByOtherUser(device, namesOpenedBy(device), lockFolders(), ::geteuid());
}

bool portAccessIsKnown()
{
    return true;
}

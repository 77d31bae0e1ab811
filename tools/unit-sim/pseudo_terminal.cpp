#include "pseudo_terminal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

bool makeRaw(int fd)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        return false;
    cfmakeraw(&settings);
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    return tcsetattr(fd, TCSANOW, &settings) == 0;
}

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

}  // namespace

PseudoTerminal::~PseudoTerminal()
{
    hangUp();
    if (!linkPath_.isEmpty() && QFileInfo(linkPath_).symLinkTarget() == devicePath_)
        QFile::remove(linkPath_);
}

bool PseudoTerminal::fail(const QString &what)
{
    error_ = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool PseudoTerminal::open()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return fail(QStringLiteral("posix_openpt"));
    if (grantpt(master_) != 0 || unlockpt(master_) != 0)
        return fail(QStringLiteral("grantpt/unlockpt"));
    const char *name = ptsname(master_);
    if (!name)
        return fail(QStringLiteral("ptsname"));
    devicePath_ = QString::fromLocal8Bit(name);
    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0)
        return fail(devicePath_);
    // Both sides raw: no echo by the line discipline, no translation of CR, LF or control bytes.
    if (!makeRaw(slave_) || !makeRaw(master_))
        return fail(QStringLiteral("raw mode"));
    return true;
}

bool PseudoTerminal::linkTo(const QString &linkPath)
{
    const QFileInfo link(linkPath);
    if (!QDir().mkpath(link.absolutePath())) {
        error_ = QStringLiteral("cannot create %1").arg(link.absolutePath());
        return false;
    }
    if (link.isSymLink() || link.exists())
        QFile::remove(linkPath);
    if (::symlink(devicePath_.toLocal8Bit().constData(), linkPath.toLocal8Bit().constData()) != 0)
        return fail(linkPath);
    linkPath_ = linkPath;
    return true;
}

void PseudoTerminal::hangUp()
{
    closeFd(slave_);
    closeFd(master_);
}

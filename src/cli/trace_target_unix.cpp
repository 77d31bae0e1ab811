#include "cli/trace_target.h"

#include <QFile>

#include <csignal>
#include <sys/stat.h>

Identity compareIdentity(const QString &first, const QString &second)
{
    struct stat a {};
    struct stat b {};
    if (::stat(QFile::encodeName(first).constData(), &a) != 0 || ::stat(QFile::encodeName(second).constData(), &b) != 0)
        return Identity::Unknown;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino ? Identity::Same : Identity::Different;
}

void keepRunningOnFailedWrites()
{
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

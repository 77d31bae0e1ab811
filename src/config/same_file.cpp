#include "config/same_file.h"

#include <QDir>
#include <QFileInfo>

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    // QFileInfo compares existing files by their canonical paths, case-blind where the file
    // system is.
    if (first.exists() && second.exists())
        return first == second;
    return QDir::cleanPath(first.absoluteFilePath()) == QDir::cleanPath(second.absoluteFilePath());
}

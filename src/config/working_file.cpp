#include "config/working_file.h"

#include "config/platform_paths.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Named once, from the command line, before any file is read.
struct NamedFile {
    QString path;
};

QString &namedFile()
{
    static NamedFile file;
    return file.path;
}

}  // namespace

void useSettingsFile(const QString &path)
{
    namedFile() = QFileInfo(path).absoluteFilePath();
}

QString workingSettingsFile()
{
    return namedFile().isEmpty() ? settingsFilePath() : namedFile();
}

QString shownSettingsFile()
{
    return namedFile().isEmpty() ? kShownSettingsPath : QDir::toNativeSeparators(namedFile());
}

QString shownPathOf(const QString &path)
{
    if (QFileInfo(path).absoluteFilePath() == QFileInfo(workingSettingsFile()).absoluteFilePath())
        return shownSettingsFile();
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

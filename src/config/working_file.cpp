#include "working_file.h"

#include "platform_paths.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString &namedFile()
{
    static QString path;
    return path;
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

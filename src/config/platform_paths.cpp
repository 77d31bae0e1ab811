#include "config/platform_paths.h"

#include <QDir>
#include <QFileInfo>

// Installers know the file by its Windows path, whichever platform the program runs on.
const QString kShownSettingsPath = QStringLiteral("C:\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt");

namespace {

QString resolvedPath(const QString &path)
{
    const QFileInfo file(path);
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(file.absoluteFilePath()) : canonical;
}

}  // namespace

QString pathIdentity(const QString &path)
{
    return fileNamesIgnoreCase() ? resolvedPath(path).toLower() : resolvedPath(path);
}

#pragma once

#include <QString>

// The settings file this run reads at start-up and writes at every save: the platform's
// (settingsFilePath), or the one the command line named for the run.

void useSettingsFile(const QString &path);
QString workingSettingsFile();
// The path the operator's messages name: the Windows path installers know the platform's
// file by, or the named file as given.
QString shownSettingsFile();
// How the messages name the file at `path`: the working file as shownSettingsFile, any
// other as its path in the platform's form.
QString shownPathOf(const QString &path);

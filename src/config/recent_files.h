#pragma once

#include <QString>
#include <QStringList>

// The settings files the operator opened or saved last, newest first, for the menu to offer
// again. Kept as UTF-8 lines beside the backups (Linux: $XDG_CONFIG_HOME/bilvex/son-dosyalar.txt;
// Windows: %LOCALAPPDATA%\bilvex\son-dosyalar.txt), never in the settings file itself.

constexpr int kRecentFiles = 5;

QString recentFilesStore();
// Those of them that still exist, and those on a network share, unchecked.
QStringList recentFiles(const QString &store = recentFilesStore());
// Puts the file first; a list that cannot be written is only a convenience lost.
void rememberFile(const QString &path, const QString &store = recentFilesStore());

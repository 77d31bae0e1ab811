#pragma once

#include <QString>
#include <QStringList>

// Where this platform keeps the settings file, and how it may be saved there.

// The path the operator's messages show, whatever the platform.
extern const QString kShownSettingsPath;

// Linux: $XDG_CONFIG_HOME/bilvex (default ~/.config/bilvex); Windows: C:\.
QString settingsFolder();

// The settings file. Linux: in that folder. Windows: the VirtualStore copy where there is
// one (see saveRoute), else the shown path.
QString settingsFilePath();

// Where the copies of earlier settings files are kept. Linux: $XDG_CONFIG_HOME/bilvex/yedekler;
// Windows: %LOCALAPPDATA%\bilvex\yedekler, where a standard user may write.
QString backupsFolder();

// How this platform saves the file at a path, decided here and nowhere else.
struct SaveRoute {
    // Where the save may go, in order: where one refuses this user the right to create or
    // change the file, the next is tried. On Windows the shown path is followed by
    // %LOCALAPPDATA%\VirtualStore\ZEMRA_Bilvex_Polynet_Ver_3_04.txt, where Windows' file
    // virtualization put the saves of the program this tool replaces for every user who was
    // not elevated, and where its reads found them; so the old and the new program share one file.
    QStringList targets;
    // Whether a save that cannot make a temporary file beside the file rewrites the file in
    // place by its own code (Windows), rather than through Qt's fallback (Unix).
    bool rewritesInPlaceItself = false;
};
SaveRoute saveRoute(const QString &path);

// Whether the write that has just failed found the disk full: the system's own error, read
// at once, before another call can replace it.
bool lastWriteFoundDiskFull();

// Whether another program holds the existing file at the path so that it cannot be replaced
// now (on Windows, a virus scanner or a sync client that opened it without sharing); such a
// hold lasts moments, so a save waits for it. Unix has no such holds.
bool heldByAnotherProgram(const QString &path);

// Whether the path's folder may be looked at without waiting for a network: a path on a share
// or a mapped network drive (Windows) may take half a minute to fail when the server is gone.
bool isLocalPath(const QString &path);

// Where a file dialog starts before the operator has chosen a folder in this run. Windows:
// the user's Documents, since a program started from its menu entry would start in its
// install folder, where a standard user may not write. Unix: the working folder.
QString firstDialogFolder();

// Whether opening the path could wait for another program (a named pipe or a socket).
bool mayBlockWhenOpened(const QString &path);

// Whether the platform's file names are told apart without regard to case.
bool fileNamesIgnoreCase();

// The path as the file system tells files apart: absolute, links resolved where the file
// exists, and on Windows in one case, since C:\Site.txt and c:\site.txt are one file.
QString pathIdentity(const QString &path);

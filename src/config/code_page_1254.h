#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Turkish Windows text, Windows-1254: the settings file and the ticket layout files. The
// program carries its own table, as Qt converts this code page only where it was built with
// ICU (Debian's Qt is, the Qt shipped for Windows is not). The seven byte values the code
// page leaves undefined read as the control characters of the same number, so every byte
// reads and writes back unchanged.

QString fromWindows1254(QByteArrayView bytes);

// A character the code page cannot hold is written as "?".
QByteArray toWindows1254(QStringView text);

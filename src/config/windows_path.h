#pragma once

#include <QString>

#include <string>

// Windows only: the path as CreateFileW takes it, absolute and native, in the extended form
// (\\?\, \\?\UNC\) once it reaches MAX_PATH, where the plain form fails.
std::wstring extendedPath(const QString &path);

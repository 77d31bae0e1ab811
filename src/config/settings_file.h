#pragma once

#include "config/platform_paths.h"
#include "config/tanimlamalar.h"
#include "config/working_file.h"

#include <QByteArray>
#include <QIODevice>

// Error codes the operator's messages name.
namespace SettingsError {
constexpr int None = 0;
constexpr int Overflow = 6;
constexpr int FileNotFound = 53;
constexpr int DeviceIo = 57;
constexpr int DiskFull = 61;
constexpr int PastEndOfFile = 62;
constexpr int PermissionDenied = 70;
constexpr int PathNotFound = 76;
}  // namespace SettingsError

// Reads the settings file into the model, stopping at the first failure: the values read
// before it stay. Returns SettingsError::None or the failure's code.
int loadSettingsFile(Tanimlamalar &model, const QString &path = workingSettingsFile());

// Writes the whole model to the settings file, replacing it only after a complete write
// where a file can be made beside it, else rewriting it in place; where this user may do
// neither, to the platform's next place for it (saveRoute). What it replaces is backed up
// first; a file that exists but cannot be read is left as it is (PermissionDenied), and
// `unreadable`, where given, gets the reason.
// Returns SettingsError::None or the failure's code.
int saveSettingsFile(const Tanimlamalar &model, const QString &path = workingSettingsFile(),
                     QString *unreadable = nullptr);

// The file's bytes for the model: Windows-1254, CR LF after every line.
QByteArray settingsFileBytes(const Tanimlamalar &model);

// Reads settings lines from an open device into the model, stopping at the first failure.
// Returns SettingsError::None, PastEndOfFile, Overflow or DeviceIo.
int readSettings(QIODevice &device, Tanimlamalar &model);

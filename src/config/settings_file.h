#pragma once

#include "operator_dialogs.h"
#include "tanimlamalar.h"

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

enum class StartDecision { Continue, EndApplication };

// Reads the settings file into the model; a missing file is written from the model.
// EndApplication when the file is cut short: the caller ends the application.
StartDecision dosyadan_oku(Tanimlamalar &model, OperatorDialogs &dialogs);

// Writes the whole model to the settings file, replacing it only after a complete write
// where a file can be made beside it, else rewriting it in place.
// Reports its own failures; true when the file was written.
bool dosyaya_kaydet(const Tanimlamalar &model, OperatorDialogs &dialogs);

// The file's bytes for the model: Windows-1254, CR LF after every line.
QByteArray settingsFileBytes(const Tanimlamalar &model);

// Reads settings lines from an open device into the model, stopping at the first failure.
// Returns SettingsError::None, PastEndOfFile, Overflow or DeviceIo.
int readSettings(QIODevice &device, Tanimlamalar &model);
